#include "machine/kinematics.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace machine {

namespace {

constexpr double degrees_per_radian = 180.0 / std::numbers::pi;
// Below this, i and j are rounding noise and the axis counts as vertical.
constexpr double vertical_tolerance = 1e-9;

// The whole-turn equivalent of angle nearest to target, if one lies within [low, high].
std::optional<double> nearest_turn(double angle, double target, double low, double high) {
    double best = angle + 360.0 * std::round((target - angle) / 360.0);
    if (best < low) best += 360.0 * std::ceil((low - best) / 360.0);
    if (best > high) best -= 360.0 * std::ceil((best - high) / 360.0);
    if (best < low || best > high) return std::nullopt;
    // Moving into the range may have passed a closer equivalent on the other side.
    for (double other : {best - 360.0, best + 360.0})
        if (other >= low && other <= high && std::fabs(other - target) < std::fabs(best - target))
            best = other;
    return best;
}

} // namespace

std::optional<HeadAngles> head_angles(const Vector& axis, const HeadAngles& previous,
                                      const RotaryLimits& limits) {
    const double tilt = std::acos(std::clamp(axis.z, -1.0, 1.0)) * degrees_per_radian;
    const bool vertical = std::hypot(axis.x, axis.y) < vertical_tolerance;
    const double turn = vertical ? previous.c : std::atan2(axis.y, axis.x) * degrees_per_radian;

    std::optional<HeadAngles> best;
    auto consider = [&](double b, double c) {
        if (b < limits.b_min || b > limits.b_max) return;
        const auto nearest = nearest_turn(c, previous.c, limits.c_min, limits.c_max);
        if (!nearest) return;
        const HeadAngles candidate{b, *nearest};
        const auto cost = [&](const HeadAngles& a) {
            return std::pair(std::fabs(a.c - previous.c), std::fabs(a.b - previous.b));
        };
        if (!best || cost(candidate) < cost(*best)) best = candidate;
    };
    consider(tilt, turn);
    if (tilt != 0.0) consider(-tilt, vertical ? turn : turn + 180.0);
    return best;
}

Vector pivot_point(const Vector& tip, const Vector& axis, double tool_length,
                   double pivot_distance) {
    const double length = pivot_distance + tool_length;
    return {length * axis.x + tip.x, length * axis.y + tip.y, length * axis.z + tip.z};
}

double move_distance(const MachinePosition& from, const MachinePosition& to) {
    const Vector& p = from.pivot;
    const Vector& q = to.pivot;
    const auto arc = [](double degrees, double from_radius, double to_radius) {
        return degrees / 360.0 * ((to_radius + from_radius) * std::numbers::pi);
    };
    const double b_arc =
        arc(to.angles.b - from.angles.b, std::hypot(p.x, p.z), std::hypot(q.x, q.z));
    const double c_arc =
        arc(to.angles.c - from.angles.c, std::hypot(p.x, p.y), std::hypot(q.x, q.y));
    const double dx = q.x - p.x, dy = q.y - p.y, dz = q.z - p.z;
    return std::sqrt(dx * dx + dy * dy + dz * dz + b_arc * b_arc + c_arc * c_arc);
}

} // namespace machine
