#include "run_report.h"

#include "nc_format.h"

#include <cstdio>
#include <optional>

namespace mill5x {

namespace {

std::string fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string padded(std::string text, std::size_t width) {
    if (text.size() < width) text.append(width - text.size(), ' ');
    return text;
}

std::string nc_line(const PostResult& result, std::int64_t body_line) {
    return body_line > 0 ? std::to_string(result.nc_line(body_line)) : std::string("-");
}

std::string length_text(double value, const machine::Settings& settings) {
    return nc_address(' ', value, settings.units == machine::Units::inch ? 4 : 3).substr(1);
}

} // namespace

std::string check_report(const PostResult& result, const machine::Settings& settings) {
    if (!result.check) return "Check: off (CHECK = NO in the settings)\r\n";
    const CheckResult& check = *result.check;
    const char* unit = settings.units == machine::Units::inch ? " inch" : " mm";
    std::string text = "Check: " + std::to_string(check.positions) +
                       " positions, worst tip deviation " + fixed(check.worst_tip, 4) + unit +
                       " (NC line " + nc_line(result, check.worst_tip_nc_line) + ", CL line " +
                       std::to_string(check.worst_tip_cl_line) + "), along the moves " +
                       fixed(check.worst_along, 4) + unit + " (NC line " +
                       nc_line(result, check.worst_along_nc_line) + "), worst axis deviation " +
                       fixed(check.worst_angle, 4) + " degrees\r\n";
    if (check.worst_feed_nc_line > 0)
        text += "Check of the feed: the tool tip within " + fixed(check.worst_feed * 100, 2) +
                " % of the CL feed (worst at NC line " + nc_line(result, check.worst_feed_nc_line) +
                ")\r\n";
    if (check.failure)
        text += "Check FAILED at NC line " + nc_line(result, check.failure->line) + " (CL line " +
                std::to_string(check.failure_cl_line) + "): " + check.failure->message + "\r\n";
    return text;
}

std::string tool_list(const PostResult& result) {
    if (result.tools.empty()) return "Tools:           none loaded\r\n";
    std::string text = "Tools:           tool    length      register  NC lines          time\r\n";
    for (const ToolUse& tool : result.tools) {
        text += padded("", 17) + padded("T" + std::to_string(tool.tool), 8) +
                padded(fixed(tool.length, 3), 12) +
                padded(tool.adjust ? "H" + std::to_string(*tool.adjust) : "-", 10) +
                padded(nc_line(result, tool.first_line) + " to " + nc_line(result, tool.last_line),
                       18) +
                fixed(tool.minutes, 2) + " min\r\n";
    }
    return text;
}

std::string time_report(const PostResult& result) {
    return "Machining time:  " + fixed(result.machining_minutes, 2) + " min (estimate: feed " +
           fixed(result.feed_minutes, 2) + ", inverse time " +
           fixed(result.inverse_time_minutes, 2) + ", rapid " + fixed(result.rapid_minutes, 2) +
           ", dwell " + fixed(result.dwell_minutes, 2) + ")\r\n";
}

std::string extents_report(const PostResult& result, const machine::Settings& settings) {
    const auto& extents = result.extents;
    const machine::Travel rotary_a{settings.a_min, settings.a_max},
        rotary_b{settings.b_min, settings.b_max}, rotary_c{settings.c_min, settings.c_max};
    const machine::Travel* limits[] = {&settings.x, &settings.y, &settings.z,
                                       &rotary_a,   &rotary_b,   &rotary_c};
    std::string text = "Extents:         axis  min         max         limits\r\n";
    for (std::size_t axis = 0; axis < 6; ++axis) {
        if (!extents.seen[axis]) continue;
        const machine::Travel& limit = *limits[axis];
        const auto shown = [&](const std::optional<double>& value) {
            return value ? length_text(*value, settings) : std::string("none");
        };
        const bool beyond = (limit.min && extents.min[axis] < *limit.min - 1e-9) ||
                            (limit.max && extents.max[axis] > *limit.max + 1e-9);
        text += padded("", 17) + padded(std::string(1, "XYZABC"[axis]), 6) +
                padded(length_text(extents.min[axis], settings), 12) +
                padded(length_text(extents.max[axis], settings), 12) +
                (limit.min || limit.max ? shown(limit.min) + " to " + shown(limit.max)
                                        : std::string("none")) +
                (beyond ? "  BEYOND THE LIMITS" : "") + "\r\n";
    }
    return text;
}

} // namespace mill5x
