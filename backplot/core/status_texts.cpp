#include "status_texts.h"

#include "number_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace backplot {

std::string extents_text(const Plot& plot) {
    const nc::Extents& ranges = plot.ranges();
    constexpr char letters[nc::axis_count] = {'X', 'Y', 'Z', 'A', 'B', 'C'};
    std::string text;
    for (int axis = 0; axis < nc::axis_count; ++axis) {
        if (!(ranges.seen >> axis & 1)) continue;
        const bool rotary = axis >= nc::a;
        // Rotary axes that stand still say nothing of the part's size.
        if (rotary && number_text(ranges.min[axis]) == number_text(ranges.max[axis])) continue;
        if (!text.empty()) text += "  ";
        text += letters[axis];
        text += ' ';
        text += number_text(ranges.min[axis]);
        text += "..";
        text += number_text(ranges.max[axis]);
    }
    return text.empty() ? "No moves" : text;
}

std::string time_text(double minutes) {
    const double seconds = std::round(std::clamp(minutes, 0.0, 1e12) * 60);
    const auto whole = static_cast<long long>(seconds);
    char text[64];
    std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", whole / 3600, whole / 60 % 60,
                  whole % 60);
    return text;
}

std::string motion_text(const Plot& plot) {
    const Motion& motion = plot.motion();
    return "Feed " + number_text(motion.feed_length) + "  Rapid " +
           number_text(motion.rapid_length) + "  Time " + time_text(motion.minutes);
}

std::string warnings_text(const Plot& plot) {
    const std::size_t count = plot.warning_count();
    if (count == 0) return "No warnings";
    if (count == 1) return "1 warning";
    return std::to_string(count) + " warnings";
}

std::string chosen_move_text(const Plot& plot, std::optional<std::size_t> move) {
    if (!move || *move >= plot.move_count()) return {};
    const std::uint32_t line = plot.move(*move).line;
    std::string_view text = plot.line(line);
    std::string result = "Line " + std::to_string(line) + ": ";
    if (text.size() > max_line_text) {
        result += text.substr(0, max_line_text);
        result += "...";
    } else {
        result += text;
    }
    return result;
}

} // namespace backplot
