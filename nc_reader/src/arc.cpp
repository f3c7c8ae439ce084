#include "arc.h"

#include <cmath>
#include <numbers>

namespace nc {

PlaneAxes plane_axes(Plane plane) {
    switch (plane) {
    case Plane::zx:
        return {z, x, y};
    case Plane::yz:
        return {y, z, x};
    default:
        return {x, y, z};
    }
}

PlanePoint in_plane(const Axes& axes, const PlaneAxes& plane) {
    return {axes[plane.first], axes[plane.second]};
}

RadiusCentre centre_for_radius(PlanePoint start, PlanePoint end, double r, bool clockwise) {
    const double along_first = end.first - start.first, along_second = end.second - start.second;
    const double chord = std::hypot(along_first, along_second);
    const double half = chord / 2, radius = std::fabs(r);
    const PlanePoint middle{start.first + along_first / 2, start.second + along_second / 2};
    if (half >= radius) return {middle, chord - 2 * radius};
    const double height = std::sqrt((radius - half) * (radius + half));
    // Counter-clockwise, the centre of the shorter arc lies left of the chord; the longer
    // arc and clockwise travel each put it on the other side.
    const double side = (r > 0) != clockwise ? 1 : -1;
    return {{middle.first - side * height * along_second / chord,
             middle.second + side * height * along_first / chord},
            0};
}

double angle_turned(PlanePoint from, PlanePoint to, bool clockwise) {
    const double cross = from.first * to.second - from.second * to.first;
    const double dot = from.first * to.first + from.second * to.second;
    double angle = std::atan2(cross, dot);
    if (clockwise) angle = -angle;
    return angle > 0 ? angle : angle + 2 * std::numbers::pi;
}

PlanePoint ArcPath::at(double t) const {
    const double angle = start_angle + turn * t;
    const double radius = start_radius + (end_radius - start_radius) * t;
    return {centre.first + radius * std::cos(angle), centre.second + radius * std::sin(angle)};
}

ArcPath arc_path(const Move& move) {
    ArcPath path;
    path.axes = plane_axes(move.arc.plane);
    path.centre = {move.arc.centre_first, move.arc.centre_second};
    const PlanePoint start = in_plane(move.start, path.axes), end = in_plane(move.end, path.axes);
    const PlanePoint from{start.first - path.centre.first, start.second - path.centre.second};
    path.start_angle = std::atan2(from.second, from.first);
    path.start_radius = std::hypot(from.first, from.second);
    path.end_radius = std::hypot(end.first - path.centre.first, end.second - path.centre.second);
    path.turn = move.arc.clockwise ? -move.arc.sweep : move.arc.sweep;
    return path;
}

} // namespace nc
