// TABLE_AC: a trunnion table that tilts about X (A) and turns the part on it about Z (C),
// under a tool along +Z; programmed at the tool tip, in the machine's frame.

#include "kind_model.h"

#include <algorithm>
#include <cmath>

namespace machine {

namespace {

constexpr double vertical_tolerance = 1e-9;

class TableAc : public Kinematics::Model {
public:
    explicit TableAc(const Settings& settings)
        : a_axis_{0, settings.a_axis_y, settings.a_axis_z}, c_axis_{settings.c_axis_x,
                                                                    settings.c_axis_y, 0} {}

    // The table must turn the part's tool axis onto +Z: turning it by C about Z brings it
    // into the YZ plane, at (0, s, k) with s = sqrt(i^2 + j^2) when C = atan2(i, j); tilting
    // that by A about X brings it up when A = atan2(s, k).
    Angles angles(const Vector& axis) const override {
        const double s = std::hypot(axis.x, axis.y);
        const bool vertical = s < vertical_tolerance;
        return {std::atan2(s, axis.z) * degrees_per_radian,
                vertical ? 0 : std::atan2(axis.x, axis.y) * degrees_per_radian, vertical};
    }
    ToolPose forward(const Vector& tip, double a, double c, double) const override {
        // The part's point under the tip: the table's turns undone, A first, then C.
        const Vector on_table =
            geometry::plus(a_axis_, turned_about_x(geometry::minus(tip, a_axis_), -a));
        const Vector part =
            geometry::plus(c_axis_, turned_about_z(geometry::minus(on_table, c_axis_), -c));
        return {part, turned_about_z(turned_about_x({0, 0, 1}, -a), -c)};
    }
    Vector linear(const Vector& tip, double a, double c, double, const Vector*) const override {
        const Vector on_table =
            geometry::plus(c_axis_, turned_about_z(geometry::minus(tip, c_axis_), c));
        return geometry::plus(a_axis_, turned_about_x(geometry::minus(on_table, a_axis_), a));
    }
    // The part's point is the machine's, which moves linearly, turned back by A about the A
    // axis and by C about the C axis. A point r from an axis that turns by d (radians) moves
    // by r d, bends by r d^2 and the turning bends a straight move of length l by 2 l d:
    // |p''| <= dC^2 (|a - c| + R) + 2 dC (dA r + l) + dA^2 r + 2 dA l, r bounding the
    // point's distance from the A axis and R its distance from the A axis' point a, which the
    // tilt keeps and which with |a - c| bounds its distance from the C axis.
    double straying_bound(const Vector& from, const Vector& to, double da, double dc, double,
                          double) const override {
        const auto from_a_axis = [&](const Vector& p) {
            return std::hypot(p.y - a_axis_.y, p.z - a_axis_.z);
        };
        const double l = geometry::distance(from, to);
        const double r = std::max(from_a_axis(from), from_a_axis(to)) + l;
        const double far =
            std::max(geometry::distance(from, a_axis_), geometry::distance(to, a_axis_)) + l;
        const double centres = geometry::distance(a_axis_, c_axis_);
        return (dc * dc * (centres + far) + 2 * dc * (da * r + l) + da * da * r + 2 * da * l) / 8;
    }
    // The tip's distance from the A axis, and from the C axis, which is at most its distance
    // from the A axis' point a (the tilt keeps that) and the distance between the axes: the
    // larger.
    double lever(const Vector& tip, double) const override {
        return std::max(std::hypot(tip.y - a_axis_.y, tip.z - a_axis_.z),
                        geometry::distance(tip, a_axis_) + geometry::distance(a_axis_, c_axis_));
    }
    char tilt_axis() const override { return 'A'; }
    bool control_adds_tool_length() const override { return true; }

private:
    Vector a_axis_, c_axis_; // a point of each axis (A along X, C along Z at A0)
};

} // namespace

std::unique_ptr<const Kinematics::Model> table_ac(const Settings& settings) {
    return std::make_unique<TableAc>(settings);
}

} // namespace machine
