#include "circular_arc.h"

#include "cl_reader/error.h"
#include "nc_format.h"

#include <cmath>
#include <numbers>
#include <string>

namespace mill5x {

namespace {

constexpr double axis_tolerance = 1e-6;

// In-plane coordinates (u, v) turning counter-clockwise seen from +n, and n itself.
struct PlaneCoordinates {
    double u, v, n;
};

PlaneCoordinates in_plane(const Vector& p, int plane) {
    switch (plane) {
    case 18:
        return {p.z, p.x, p.y};
    case 19:
        return {p.y, p.z, p.x};
    default:
        return {p.x, p.y, p.z};
    }
}

std::string where(const Vector& p) {
    return nc_address('X', p.x, 4) + " " + nc_address('Y', p.y, 4) + " " + nc_address('Z', p.z, 4);
}

} // namespace

std::optional<int> arc_plane(const Vector& a) {
    const double length = norm(a);
    if (std::hypot(a.x, a.y) < axis_tolerance * length) return 17;
    if (std::hypot(a.z, a.x) < axis_tolerance * length) return 18;
    if (std::hypot(a.y, a.z) < axis_tolerance * length) return 19;
    return std::nullopt;
}

ArcMove arc_move(const Vector& start, const Vector& end, const Circle& circle, double tolerance) {
    const Vector& a = circle.axis;
    ArcMove move;
    const auto plane = arc_plane(a);
    if (!plane)
        throw cl::Error("the arc's axis is not along X, Y or Z: no G17, G18 or G19 plane holds it");
    move.plane = *plane;
    const double along = move.plane == 17 ? a.z : move.plane == 18 ? a.y : a.x;
    move.clockwise = along < 0;

    const PlaneCoordinates s = in_plane(start, move.plane), e = in_plane(end, move.plane),
                           c = in_plane(circle.centre, move.plane);
    const auto off_circle = [&](const PlaneCoordinates& p) {
        return std::fabs(std::hypot(p.u - c.u, p.v - c.v) - circle.radius);
    };
    const auto refuse = [&](const char* which, const Vector& point, double off) {
        throw cl::Error("the arc's " + std::string(which) + " " + where(point) + " is " +
                        nc_address(' ', off, 4).substr(1) + " off its circle (centre " +
                        where(circle.centre) + ", radius " +
                        nc_address(' ', circle.radius, 4).substr(1) + ")");
    };
    if (const double off = off_circle(s); off > tolerance) refuse("start", start, off);
    if (const double off = off_circle(e); off > tolerance) refuse("end", end, off);

    constexpr double turn = 2 * std::numbers::pi;
    double sweep = 0;
    if (std::hypot(e.u - s.u, e.v - s.v) <= tolerance) {
        sweep = turn;
    } else {
        sweep = std::atan2(e.v - c.v, e.u - c.u) - std::atan2(s.v - c.v, s.u - c.u);
        if (move.clockwise) sweep = -sweep;
        sweep = std::fmod(sweep + 2 * turn, turn);
    }
    move.centre_offset = {circle.centre.x - start.x, circle.centre.y - start.y,
                          circle.centre.z - start.z};
    move.length = std::hypot(sweep * circle.radius, e.n - s.n);
    move.sweep = sweep;
    return move;
}

Vector arc_point(const Vector& start, const Vector& end, const Circle& circle, const ArcMove& move,
                 double t) {
    const PlaneCoordinates s = in_plane(start, move.plane), e = in_plane(end, move.plane),
                           c = in_plane(circle.centre, move.plane);
    const double angle =
        std::atan2(s.v - c.v, s.u - c.u) + (move.clockwise ? -1 : 1) * move.sweep * t;
    const double radius = std::hypot(s.u - c.u, s.v - c.v);
    const PlaneCoordinates p{c.u + radius * std::cos(angle), c.v + radius * std::sin(angle),
                             s.n + (e.n - s.n) * t};
    switch (move.plane) {
    case 18:
        return {p.v, p.n, p.u};
    case 19:
        return {p.n, p.u, p.v};
    default:
        return {p.u, p.v, p.n};
    }
}

} // namespace mill5x
