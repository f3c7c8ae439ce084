// HEAD_BC: a head that tilts about Y (B), then turns about Z (C), programmed at its pivot.

#include "kind_model.h"

#include <algorithm>
#include <cmath>

namespace machine {

namespace {

// Below this, i and j are rounding noise and the axis counts as vertical.
constexpr double vertical_tolerance = 1e-9;

class HeadBc : public Kinematics::Model {
public:
    explicit HeadBc(const Settings& settings) : pivot_distance_(settings.pivot_distance) {}

    Angles angles(const Vector& axis) const override {
        const bool vertical = std::hypot(axis.x, axis.y) < vertical_tolerance;
        return {std::acos(std::clamp(axis.z, -1.0, 1.0)) * degrees_per_radian,
                vertical ? 0 : std::atan2(axis.y, axis.x) * degrees_per_radian, vertical};
    }
    ToolPose forward(const Vector& pivot, double b, double c, double tool_length) const override {
        const Vector axis = turned_about_z(head_direction(b), c);
        return {geometry::minus(pivot, geometry::times(axis, arm(tool_length))), axis};
    }
    Vector linear(const Vector& tip, double b, double c, double tool_length,
                  const Vector* axis) const override {
        return pivot_point(tip, axis ? *axis : turned_about_z(head_direction(b), c), tool_length,
                           pivot_distance_);
    }
    // The tip is the pivot, which moves linearly, less arm times the tool axis a(B, C). So it
    // strays from its chord as a does from the chord of a, by at most arm |a''| / 8 for
    // angles that move linearly. With |da/dB| = 1, |da/dC| = sin B and the second derivatives
    // bounded by 1, |cos B| and sin B: |a''| <= dB^2 + 2 |dB dC| + dC^2 max(sin B), where
    // sin B <= |B| spares a sine a move.
    double straying_bound(const Vector&, const Vector&, double db, double dc, double max_b,
                          double tool_length) const override {
        const double sin_b = std::min(1.0, max_b);
        return std::fabs(arm(tool_length)) * (db * db + 2 * db * dc + dc * dc * sin_b) / 8;
    }
    double lever(const Vector&, double tool_length) const override {
        return std::fabs(arm(tool_length));
    }
    char tilt_axis() const override { return 'B'; }

private:
    double arm(double tool_length) const { return tool_length + pivot_distance_; }

    double pivot_distance_;
};

} // namespace

std::unique_ptr<const Kinematics::Model> head_bc(const Settings& settings) {
    return std::make_unique<HeadBc>(settings);
}

Vector pivot_point(const Vector& tip, const Vector& axis, double tool_length,
                   double pivot_distance) {
    const double length = pivot_distance + tool_length;
    return {length * axis.x + tip.x, length * axis.y + tip.y, length * axis.z + tip.z};
}

} // namespace machine
