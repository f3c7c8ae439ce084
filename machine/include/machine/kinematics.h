#pragma once
// The geometry of a head that tilts about Y (B) and turns about Z (C).
//
// Angles: the head at B0 C0 points the tool along +Z; tilting by B and then turning by C
// points it along (sin B cos C, sin B sin C, cos B). So B = acos(k) and C = atan2(j, i), or
// the mirrored pair -B, C + 180 when the B limits allow negative tilts. Of the pairs within
// the limits, the one that turns C least from its previous angle wins (then the one that
// tilts B least). C is taken among its whole-turn equivalents as the one nearest the
// previous C. A vertical axis (i = j = 0) keeps the previous C: the head need not turn.
//
// Program point: the machine is programmed at the head's pivot point, which lies on the tool
// axis at tool length plus pivot distance from the tool tip.
//
// Inverse-time distance: the straight distance between two pivot points plus, for each
// rotary axis, its arc: the angle's share of a full turn times the circumference of the
// circle whose radius is the mean of the two points' radii (B about Y: radius from X and Z;
// C about Z: radius from X and Y). Full-precision pi is used.

#include "geometry/vector.h"

#include <optional>

namespace machine {

using geometry::Vector;

struct RotaryLimits {
    double b_min, b_max, c_min, c_max;
};

struct HeadAngles {
    double b = 0, c = 0; // degrees
};

struct MachinePosition {
    Vector pivot;
    HeadAngles angles;
};

// The angles for a unit tool axis, or nothing when no pair lies within the limits.
std::optional<HeadAngles> head_angles(const Vector& axis, const HeadAngles& previous,
                                      const RotaryLimits& limits);

Vector pivot_point(const Vector& tip, const Vector& axis, double tool_length,
                   double pivot_distance);

double move_distance(const MachinePosition& from, const MachinePosition& to);

} // namespace machine
