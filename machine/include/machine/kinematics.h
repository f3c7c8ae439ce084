#pragma once
// The kinematics of the machine a settings file describes: where its axes put the tool
// (forward), and the axes that put the tool where a CL file says (inverse), for each kind.
//
// Every kind tilts the tool by one rotary axis (the tilt: B of a head, A of a table) and
// turns it by another (the turn: C). A tool axis has two solutions, (tilt, turn) with the
// tilt from 0 to 180 and the mirrored (-tilt, turn + 180); of those within the limits, the
// one that turns least from the previous turn wins (then the one that tilts least), the turn
// taken among its whole-turn equivalents as the one nearest the previous turn. A tool axis
// along the turn's axis keeps the previous turn.
//
//   HEAD_BC         the head tilts about Y by B, then turns about Z by C: the tool points
//                   along (sin B cos C, sin B sin C, cos B). The program holds the head's pivot
//                   point: tool tip + (tool length + pivot distance) x tool axis.
//   TABLE_AC        the tool points along +Z; the table tilts about X by A (about its A axis,
//                   A_AXIS_Y and A_AXIS_Z) and the part on it turns about Z by C (about its C
//                   axis, C_AXIS_X and C_AXIS_Y), both right-handed. The program holds the tool
//                   tip in the machine's frame, after the table has turned; the control adds
//                   the tool length (G43 H).
//   HEAD_B_TABLE_C  the head tilts about Y by B, the part turns about Z by C (about its C
//                   axis). The program holds the head's pivot point as on HEAD_BC.
// All points and tool axes are the part's: the CL file's, in the program's coordinates.

#include "geometry/vector.h"
#include "machine/settings.h"

#include <memory>
#include <optional>

namespace machine {

using geometry::Vector;

// Where the tool is: its tip, and the unit direction from the tip into the spindle.
struct ToolPose {
    Vector tip;
    Vector axis{0, 0, 1};
};

// The positions of the machine's axes: X, Y, Z and the rotary axes in degrees.
struct Axes {
    Vector linear;
    double a = 0, b = 0, c = 0;
};

class Kinematics {
public:
    explicit Kinematics(const Settings& settings);
    ~Kinematics();
    Kinematics(const Kinematics&) = delete;
    Kinematics& operator=(const Kinematics&) = delete;

    ToolPose forward(const Axes& axes, double tool_length) const;
    // The axes for a pose (the axis of unit length), chosen near `previous`; nothing when no
    // solution lies within the rotary limits.
    std::optional<Axes> inverse(const ToolPose& pose, const Axes& previous,
                                double tool_length) const;
    // The solution nearest `previous`, the limits left aside: where the axes would go if
    // they could follow the tool on.
    Axes nearest(const ToolPose& pose, const Axes& previous, double tool_length) const;
    // The linear axes that put the tip at `tip` with the rotary axes of `rotary`.
    Axes place(const Vector& tip, const Axes& rotary, double tool_length) const;
    // At most how far the tip strays from the straight line between its two ends while the
    // axes move linearly from one position to the other.
    double straying_bound(const Axes& from, const Axes& to, double tool_length) const;

    // How far the tool tip moves at most for a radian of any one rotary axis, at these axes:
    // what an error of the rotary axes' positions (their rounding) makes of the tip's.
    double lever(const Axes& axes, double tool_length) const;
    // The rotary axes the kind moves ("BC" or "AC") and whether the control, not the
    // program, adds the tool length.
    bool uses(char rotary_axis) const;
    bool control_adds_tool_length() const;
    // Whether the axes lie within the rotary limits.
    bool within_limits(const Axes& axes) const;

    struct Model; // one kind's geometry

private:
    Settings settings_;
    std::unique_ptr<const Model> model_;
};

// HEAD_BC's pieces, for its tests.
struct HeadAngles {
    double b = 0, c = 0; // degrees
};
struct RotaryLimits {
    double b_min, b_max, c_min, c_max;
};
std::optional<HeadAngles> head_angles(const Vector& axis, const HeadAngles& previous,
                                      const RotaryLimits& limits);
Vector pivot_point(const Vector& tip, const Vector& axis, double tool_length,
                   double pivot_distance);

} // namespace machine
