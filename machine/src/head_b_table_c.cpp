// HEAD_B_TABLE_C: a head that tilts about Y (B) over a table that turns the part about Z
// (C); programmed at the head's pivot point.

#include "kind_model.h"

#include <algorithm>
#include <cmath>

namespace machine {

namespace {

constexpr double vertical_tolerance = 1e-9;

class HeadBTableC : public Kinematics::Model {
public:
    explicit HeadBTableC(const Settings& settings)
        : pivot_distance_(settings.pivot_distance), c_axis_{settings.c_axis_x, settings.c_axis_y,
                                                            0} {}

    // The table must turn the part's tool axis into the XZ plane on the +X side: by
    // C = atan2(-j, i) to (s, 0, k) with s = sqrt(i^2 + j^2); the head then tilts by
    // B = atan2(s, k).
    Angles angles(const Vector& axis) const override {
        const double s = std::hypot(axis.x, axis.y);
        const bool vertical = s < vertical_tolerance;
        return {std::atan2(s, axis.z) * degrees_per_radian,
                vertical ? 0 : std::atan2(-axis.y, axis.x) * degrees_per_radian, vertical};
    }
    ToolPose forward(const Vector& pivot, double b, double c, double tool_length) const override {
        const Vector head = head_direction(b);
        const Vector tip = geometry::minus(pivot, geometry::times(head, arm(tool_length)));
        return {geometry::plus(c_axis_, turned_about_z(geometry::minus(tip, c_axis_), -c)),
                turned_about_z(head, -c)};
    }
    Vector linear(const Vector& tip, double b, double c, double tool_length,
                  const Vector*) const override {
        const Vector on_machine =
            geometry::plus(c_axis_, turned_about_z(geometry::minus(tip, c_axis_), c));
        return geometry::plus(on_machine, geometry::times(head_direction(b), arm(tool_length)));
    }
    // The machine's tip bends by at most arm dB^2 as the head tilts (see HEAD_BC) and moves
    // by at most l + arm dB; the table's turn bends that by dC^2 r + 2 dC (l + arm dB), r
    // bounding its distance from the C axis.
    double straying_bound(const Vector& from, const Vector& to, double db, double dc, double,
                          double tool_length) const override {
        const double arm_length = std::fabs(arm(tool_length));
        const double l = geometry::distance(from, to) + arm_length * db;
        const auto from_c_axis = [&](const Vector& p) {
            return std::hypot(p.x - c_axis_.x, p.y - c_axis_.y);
        };
        const double r = std::max(from_c_axis(from), from_c_axis(to)) + l + arm_length;
        return (arm_length * db * db + dc * dc * r + 2 * dc * l) / 8;
    }
    // The head's arm for B; for C the tip's distance from the C axis, at most the pivot's
    // distance and the arm.
    double lever(const Vector& pivot, double tool_length) const override {
        const double arm_length = std::fabs(arm(tool_length));
        return std::max(arm_length,
                        std::hypot(pivot.x - c_axis_.x, pivot.y - c_axis_.y) + arm_length);
    }
    char tilt_axis() const override { return 'B'; }

private:
    double arm(double tool_length) const { return tool_length + pivot_distance_; }

    double pivot_distance_;
    Vector c_axis_;
};

} // namespace

std::unique_ptr<const Kinematics::Model> head_b_table_c(const Settings& settings) {
    return std::make_unique<HeadBTableC>(settings);
}

} // namespace machine
