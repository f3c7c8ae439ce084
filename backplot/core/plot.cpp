#include "plot.h"

#include <algorithm>
#include <cmath>

namespace backplot {

namespace {

// The entry of `move` in a table ordered by move.
template <typename Table>
auto entry_of(const Table& table, std::size_t move) -> decltype(&table[0]) {
    std::size_t low = 0, high = table.size();
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (table[middle].move < move)
            low = middle + 1;
        else
            high = middle;
    }
    return low < table.size() && table[low].move == move ? &table[low] : nullptr;
}

std::int16_t packed(double part) {
    return static_cast<std::int16_t>(std::lround(std::clamp(part, -1.0, 1.0) * 32767));
}

} // namespace

PackedAxis PackedAxis::of(const Vector& axis) {
    const double length = geometry::norm(axis);
    if (!(length > 0) || !std::isfinite(length)) return {};
    return {packed(axis.x / length), packed(axis.y / length), packed(axis.z / length)};
}

void Box::add(const Vector& p) {
    if (empty) {
        min = max = p;
        empty = false;
        return;
    }
    min = {std::min(min.x, p.x), std::min(min.y, p.y), std::min(min.z, p.z)};
    max = {std::max(max.x, p.x), std::max(max.y, p.y), std::max(max.z, p.z)};
}

Vector ArcFrame::at(double t) const {
    const double radius = start_radius + (end_radius - start_radius) * t;
    const double angle = turn * t;
    const double c = std::cos(angle) * radius, s = std::sin(angle) * radius;
    return {centre.x + u.x * c + v.x * s + normal.x * rise * t,
            centre.y + u.y * c + v.y * s + normal.y * rise * t,
            centre.z + u.z * c + v.z * s + normal.z * rise * t};
}

double ArcFrame::length() const {
    return std::hypot((start_radius + end_radius) / 2 * turn, rise);
}

ArcFrame arc_frame(const ArcData& arc, const Vector& start, const Vector& end) {
    ArcFrame frame;
    frame.centre = {arc.centre[0], arc.centre[1], arc.centre[2]};
    frame.normal = {arc.normal[0], arc.normal[1], arc.normal[2]};
    const double length = geometry::norm(frame.normal);
    frame.normal = length > 0 ? geometry::times(frame.normal, 1 / length) : Vector{0, 0, 1};
    frame.rise = arc.rise;
    frame.turn = arc.turn;
    // The start's offset from the centre within the plane gives the direction the arc turns
    // from; the end's, lowered by the rise, the radius it ends on.
    const auto in_plane = [&](const Vector& p) {
        const Vector offset = geometry::minus(p, frame.centre);
        return geometry::minus(offset,
                               geometry::times(frame.normal, geometry::dot(offset, frame.normal)));
    };
    const Vector from = in_plane(start);
    frame.start_radius = geometry::norm(from);
    frame.end_radius = geometry::norm(in_plane(end));
    if (frame.start_radius > 0) {
        frame.u = geometry::times(from, 1 / frame.start_radius);
    } else {
        // No direction to turn from: any in the plane draws the same point.
        const Vector other = std::fabs(frame.normal.x) < 0.9 ? Vector{1, 0, 0} : Vector{0, 1, 0};
        const Vector u = geometry::cross(frame.normal, other);
        frame.u = geometry::times(u, 1 / geometry::norm(u));
    }
    frame.v = geometry::cross(frame.normal, frame.u);
    return frame;
}

std::optional<Vector> Plot::move_start(std::size_t i) const {
    if (i == 0 || i >= moves_.size() || moves_[i].starts_path()) return std::nullopt;
    return moves_[i - 1].end_point();
}

const ArcData* Plot::arc_of(std::size_t move) const {
    return entry_of(arcs_, move);
}
const SampledPath* Plot::sampled_path_of(std::size_t move) const {
    return entry_of(sampled_paths_, move);
}
const HoleData* Plot::hole_of(std::size_t move) const {
    return entry_of(holes_, move);
}

double Plot::tool_length_at(std::size_t move) const {
    const auto after =
        std::upper_bound(tool_changes_.begin(), tool_changes_.end(), move,
                         [](std::size_t m, const ToolChange& change) { return m < change.move; });
    return after == tool_changes_.begin() ? first_tool_length_ : std::prev(after)->length;
}

std::size_t Plot::bytes_held() const {
    std::size_t bytes = (text_ ? text_->capacity() : 0) + lines_.bytes_held() +
                        moves_.bytes_held() + arcs_.bytes_held() + sampled_paths_.bytes_held() +
                        samples_.bytes_held() + holes_.bytes_held() +
                        tool_changes_.capacity() * sizeof(ToolChange) +
                        warnings_.capacity() * sizeof(Warning);
    for (const Warning& warning : warnings_)
        bytes += warning.text.capacity();
    for (const std::string& note : notes_)
        bytes += note.capacity();
    return bytes;
}

} // namespace backplot
