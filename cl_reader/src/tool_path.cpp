#include "cl_reader/tool_path.h"

#include "cl_reader/error.h"

#include <cmath>

namespace cl {

namespace {

using geometry::norm;
using geometry::times;

void only_word(const Record& r, std::initializer_list<std::string_view> allowed,
               std::string& word) {
    if (r.values.size() != 1 || !std::holds_alternative<std::string>(r.values[0]))
        throw Error(r.major + " takes one minor word");
    word = std::get<std::string>(r.values[0]);
    for (std::string_view a : allowed)
        if (word == a) return;
    throw Error(r.major + ": unknown minor word '" + word + "'");
}

} // namespace

void ToolPath::set_units(const Record& r) {
    std::string word;
    only_word(r, {"MM", "INCHES", "INCH"}, word);
    units_.set_cl_inch(word != "MM");
}

Vector ToolPath::point(const Record& r, std::size_t first) const {
    return times({number_at(r, first), number_at(r, first + 1), number_at(r, first + 2)},
                 units_.length(1));
}

Frame ToolPath::frame_of(const Record& r) const {
    if (r.values.size() != 9)
        throw Error("MSYS takes x, y, z of the origin and i, j, k of the X and Y axes, not " +
                    std::to_string(r.values.size()) + " values");
    return frame_from(point(r, 0), {number_at(r, 3), number_at(r, 4), number_at(r, 5)},
                      {number_at(r, 6), number_at(r, 7), number_at(r, 8)});
}

void ToolPath::set_frame(const Frame& frame) {
    frame_ = frame;
    axis_ = {0, 0, 1};
}

void ToolPath::multax(const Record& r) {
    if (r.values.empty()) return;
    std::string word;
    only_word(r, {"ON", "OFF"}, word);
    if (word == "OFF") axis_ = {0, 0, 1};
}

ToolPosition ToolPath::position(const Record& r, bool& normalised) {
    normalised = false;
    if (r.values.size() != 3 && r.values.size() != 6)
        throw Error(r.major + " takes x, y, z or x, y, z, i, j, k, not " +
                    std::to_string(r.values.size()) + " values");
    if (r.values.size() == 6) {
        const Vector axis{number_at(r, 3), number_at(r, 4), number_at(r, 5)};
        const double length = norm(axis);
        if (length < 1e-9) throw Error("the tool axis 0, 0, 0 has no direction");
        // CL files give directions to six or seven decimals.
        normalised = std::fabs(length - 1.0) > 1e-4;
        axis_ = times(axis, 1 / length);
    }
    return {frame_.point(point(r, 0)), frame_.direction(axis_)};
}

ToolPosition ToolPath::delta(const Record& r, const ToolPosition& from) const {
    ToolPosition to = from;
    if (r.values.size() == 1) {
        to.tip = plus(from.tip, times(from.axis, units_.length(number_at(r, 0))));
    } else if (r.values.size() == 3) {
        to.tip = plus(from.tip, frame_.direction(point(r, 0)));
    } else {
        throw Error(r.major + " takes dx, dy, dz or d, not " + std::to_string(r.values.size()) +
                    " values");
    }
    return to;
}

Circle ToolPath::circle(const Record& r) const {
    if (r.values.size() < 7)
        throw Error(r.major +
                    " takes x, y, z of the centre, i, j, k of the axis and the radius, "
                    "not " +
                    std::to_string(r.values.size()) + " values");
    Circle circle;
    circle.centre = frame_.point(point(r, 0));
    circle.axis = frame_.direction({number_at(r, 3), number_at(r, 4), number_at(r, 5)});
    circle.radius = units_.length(number_at(r, 6));
    if (circle.radius <= 0) throw Error(r.major + ": the radius must be greater than zero");
    if (norm(circle.axis) < 1e-9) throw Error(r.major + ": the axis 0, 0, 0 has no direction");
    return circle;
}

} // namespace cl
