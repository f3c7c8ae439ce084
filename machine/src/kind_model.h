#pragma once
// One machine kind's geometry, with its two rotary axes as the tilt and the turn: what
// Kinematics needs of a kind, each in a file of its own.

#include "machine/kinematics.h"

#include <memory>
#include <numbers>

namespace machine {

constexpr double degrees_per_radian = 180.0 / std::numbers::pi;

struct Kinematics::Model {
    virtual ~Model() = default;

    // The first solution for a unit tool axis: the tilt from 0 to 180 degrees and the turn;
    // turn_free when the axis lies along the turn's axis and any turn will do.
    struct Angles {
        double tilt = 0, turn = 0;
        bool turn_free = false;
    };
    virtual Angles angles(const Vector& axis) const = 0;
    virtual ToolPose forward(const Vector& linear, double tilt, double turn,
                             double tool_length) const = 0;
    // The linear axes for the tip at these angles; `axis`, when given, is the tool axis they
    // point the tool along, which a kind may use instead of working it out again.
    virtual Vector linear(const Vector& tip, double tilt, double turn, double tool_length,
                          const Vector* axis = nullptr) const = 0;
    // How far the tip may stray from its chord while the linear axes move from `from` to
    // `to` and the tilt and turn by d_tilt and d_turn (radians), the tilt at most max_tilt.
    virtual double straying_bound(const Vector& from, const Vector& to, double d_tilt,
                                  double d_turn, double max_tilt, double tool_length) const = 0;
    // How far the tip moves for a radian of either rotary axis at most, there.
    virtual double lever(const Vector& linear, double tool_length) const = 0;
    virtual char tilt_axis() const = 0; // 'A' or 'B'
    virtual bool control_adds_tool_length() const { return false; }
};

std::unique_ptr<const Kinematics::Model> head_bc(const Settings& settings);
std::unique_ptr<const Kinematics::Model> table_ac(const Settings& settings);
std::unique_ptr<const Kinematics::Model> head_b_table_c(const Settings& settings);

// Rotations about Z and X by an angle in degrees, right-handed.
Vector turned_about_z(const Vector& v, double degrees);
Vector turned_about_x(const Vector& v, double degrees);
// The direction of a head that tilts about Y by b degrees.
Vector head_direction(double b);

} // namespace machine
