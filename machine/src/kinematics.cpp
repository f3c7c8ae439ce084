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

Vector head_axis(double b_degrees, double c_degrees) {
    const double b = b_degrees / degrees_per_radian, c = c_degrees / degrees_per_radian;
    const double sin_b = std::sin(b);
    return {sin_b * std::cos(c), sin_b * std::sin(c), std::cos(b)};
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

Kinematics::Kinematics(const Settings& settings) : settings_(settings) {}

ToolPose Kinematics::forward(const Axes& axes, double tool_length) const {
    const Vector axis = head_axis(axes.b, axes.c);
    return {geometry::minus(axes.linear, geometry::times(axis, arm(tool_length))), axis};
}

std::optional<Axes> Kinematics::inverse(const ToolPose& pose, const Axes& previous,
                                        double tool_length) const {
    const auto angles =
        head_angles(pose.axis, {previous.b, previous.c},
                    {settings_.b_min, settings_.b_max, settings_.c_min, settings_.c_max});
    if (!angles) return std::nullopt;
    Axes axes;
    axes.b = angles->b;
    axes.c = angles->c;
    axes.linear = pivot_point(pose.tip, pose.axis, tool_length, settings_.pivot_distance);
    return axes;
}

Axes Kinematics::place(const Vector& tip, const Axes& rotary, double tool_length) const {
    Axes axes = rotary;
    axes.linear =
        pivot_point(tip, head_axis(rotary.b, rotary.c), tool_length, settings_.pivot_distance);
    return axes;
}

// The tip is the pivot, which moves linearly, less arm times the tool axis a(B, C). So it
// strays from its chord as a does from the chord of a, by at most arm |a''| / 8 for angles
// that move linearly (in radians: B by dB, C by dC). With |da/dB| = 1, |da/dC| = sin B and
// the second derivatives bounded by 1, |cos B| and sin B:
// |a''| <= dB^2 + 2 |dB dC| + dC^2 max(sin B), where sin B <= |B| spares a sine a move.
double Kinematics::straying_bound(const Axes& from, const Axes& to, double tool_length) const {
    const double db = std::fabs(to.b - from.b) / degrees_per_radian;
    const double dc = std::fabs(to.c - from.c) / degrees_per_radian;
    const double sin_b =
        std::min(1.0, std::max(std::fabs(from.b), std::fabs(to.b)) / degrees_per_radian);
    const double curvature = db * db + 2 * db * dc + dc * dc * sin_b;
    return std::fabs(arm(tool_length)) * curvature / 8;
}

} // namespace machine
