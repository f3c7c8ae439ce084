#include "picking.h"

#include "display_list.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace backplot {

namespace {

double distance_squared_to_segment(const Pixel& p, const Pixel& a, const Pixel& b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length_squared = dx * dx + dy * dy;
    double t = length_squared > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length_squared : 0;
    t = std::clamp(t, 0.0, 1.0);
    const double x = a.x + dx * t - p.x, y = a.y + dy * t - p.y;
    return x * x + y * y;
}

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

// The block number a line begins with (after blanks and a block delete mark), if any.
std::optional<std::int64_t> block_number(std::string_view line) {
    std::size_t i = 0;
    while (i < line.size() && is_blank(line[i]))
        ++i;
    if (i < line.size() && line[i] == '/') ++i;
    while (i < line.size() && is_blank(line[i]))
        ++i;
    if (i >= line.size() || (line[i] != 'N' && line[i] != 'n')) return std::nullopt;
    ++i;
    while (i < line.size() && is_blank(line[i]))
        ++i;
    std::int64_t number = 0;
    const auto [end, error] = std::from_chars(line.data() + i, line.data() + line.size(), number);
    if (error != std::errc() || end == line.data() + i) return std::nullopt;
    return number;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && is_blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && is_blank(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace

std::optional<std::size_t> nearest_move(const Plot& plot, const View& view, const Pixel& at,
                                        double radius) {
    std::optional<std::size_t> nearest;
    double best = radius * radius;
    Pixel last{};
    const auto consider = [&](std::size_t i, const Pixel& a, const Pixel& b) {
        const double d = distance_squared_to_segment(at, a, b);
        if (d <= best) {
            best = d;
            nearest = i;
        }
    };
    for (std::size_t i = 0; i < plot.move_count(); ++i) {
        const PlotMove& move = plot.move(i);
        const Pixel end = view.project(move.end_point());
        if (move.starts_path()) {
            consider(i, end, end);
        } else if (move.shape() == Shape::straight) {
            // Most moves: passed by when both ends lie beyond the radius on one side.
            const double r = std::sqrt(best);
            if (!((last.x < at.x - r && end.x < at.x - r) ||
                  (last.x > at.x + r && end.x > at.x + r) ||
                  (last.y < at.y - r && end.y < at.y - r) ||
                  (last.y > at.y + r && end.y > at.y + r)))
                consider(i, last, end);
        } else {
            Pixel from = last;
            for_each_inner_point(plot, i, view.scale(), [&](const Vector& p, const PackedAxis&) {
                const Pixel to = view.project(p);
                consider(i, from, to);
                from = to;
            });
            consider(i, from, end);
        }
        if (move.shape() == Shape::hole)
            if (const HoleData* hole = plot.hole_of(i)) {
                const Pixel top = view.project({hole->top[0], hole->top[1], hole->top[2]});
                consider(i, end, top);
                consider(i, top, view.project({hole->bottom[0], hole->bottom[1], hole->bottom[2]}));
            }
        last = end;
    }
    return nearest;
}

std::optional<std::size_t> move_of_line(const Plot& plot, std::int64_t line) {
    std::size_t low = 0, high = plot.move_count();
    // The first move of a later line.
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (static_cast<std::int64_t>(plot.move(middle).line) <= line)
            low = middle + 1;
        else
            high = middle;
    }
    if (low == 0) return std::nullopt;
    return low - 1;
}

std::optional<std::int64_t> line_of_block_number(const Plot& plot, std::int64_t number,
                                                 std::int64_t after) {
    const auto count = static_cast<std::int64_t>(plot.line_count());
    if (count == 0) return std::nullopt;
    after = std::clamp<std::int64_t>(after, 0, count);
    for (std::int64_t k = 1; k <= count; ++k) {
        const std::int64_t n = (after + k - 1) % count + 1;
        if (block_number(plot.line(static_cast<std::size_t>(n))) == number) return n;
    }
    return std::nullopt;
}

GoTo go_to(const Plot& plot, std::string_view typed, std::int64_t current) {
    const std::string_view text = trimmed(typed);
    const bool block = !text.empty() && (text.front() == 'N' || text.front() == 'n');
    const std::string_view digits = trimmed(block ? text.substr(1) : text);
    std::int64_t number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() ||
        number < 0)
        return {std::nullopt, "Type a line number, such as 120, or a block number, such as N120"};
    if (block) {
        if (const auto line = line_of_block_number(plot, number, current)) return {line, {}};
        return {std::nullopt, "No block is numbered N" + std::to_string(number)};
    }
    if (number < 1 || static_cast<std::size_t>(number) > plot.line_count())
        return {std::nullopt, "There is no line " + std::to_string(number) + ": the file has " +
                                  std::to_string(plot.line_count()) + " lines"};
    return {number, {}};
}

} // namespace backplot
