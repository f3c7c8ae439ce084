#pragma once
// The kinematics of the machine a settings file describes: where its axes put the tool
// (forward), and the axes that put the tool where a CL file says (inverse).
//
// HEAD_BC, a head that tilts about Y (B) and turns about Z (C). The head at B0 C0 points the
// tool along +Z; tilting by B and then turning by C points it along
// (sin B cos C, sin B sin C, cos B). So B = acos(k) and C = atan2(j, i), or the mirrored pair
// -B, C + 180 when the B limits allow negative tilts. Of the pairs within the limits, the one
// that turns C least from its previous angle wins (then the one that tilts B least). C is
// taken among its whole-turn equivalents as the one nearest the previous C. A vertical axis
// (i = j = 0) keeps the previous C: the head need not turn. The machine is programmed at the
// head's pivot point, which lies on the tool axis at tool length plus pivot distance from the
// tool tip; the control adds no tool length.

#include "geometry/vector.h"
#include "machine/settings.h"

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

    ToolPose forward(const Axes& axes, double tool_length) const;
    // The axes for a pose (the axis of unit length), chosen near `previous`; nothing when no
    // solution lies within the rotary limits.
    std::optional<Axes> inverse(const ToolPose& pose, const Axes& previous,
                                double tool_length) const;
    // The linear axes that put the tip at `tip` with the rotary axes of `rotary`.
    Axes place(const Vector& tip, const Axes& rotary, double tool_length) const;
    // At most how far the tip strays from the straight line between its two ends while the
    // axes move linearly from one position to the other.
    double straying_bound(const Axes& from, const Axes& to, double tool_length) const;

private:
    double arm(double tool_length) const { return tool_length + settings_.pivot_distance; }

    Settings settings_;
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
