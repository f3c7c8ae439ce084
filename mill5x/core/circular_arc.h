#pragma once
// A circular arc as a control takes it (G2/G3 with the centre as I, J, K from the start).
//
// The CL file gives the circle (centre, axis, radius); the tool moves counter-clockwise about
// the axis by the right-hand rule. The axis must lie along X, Y or Z: it picks the plane
// G17 (XY), G18 (ZX) or G19 (YZ), and G3 is counter-clockwise seen from the positive side of
// that axis, so an axis along +Z gives G3 and one along -Z gives G2. A change along the axis
// makes a helix. An end at the start (within the tolerance) is a full circle.

#include "cl_reader/tool_path.h"

#include <optional>

namespace mill5x {

using cl::Circle;
using geometry::Vector;

struct ArcMove {
    int plane = 17;         // 17, 18 or 19
    bool clockwise = false; // G2, else G3
    Vector centre_offset;   // centre minus start; only the two in-plane parts are written
    double length = 0;      // along the arc, helix included
    double sweep = 0;       // radians turned, greater than 0
};

// The plane (17, 18 or 19) of a circle's axis along Z, Y or X; nothing for another axis.
std::optional<int> arc_plane(const Vector& axis);

// Throws cl::Error for an axis that is not along X, Y or Z, or a start or end that lies more
// than tolerance off the circle.
ArcMove arc_move(const Vector& start, const Vector& end, const Circle& circle, double tolerance);

// The point a fraction t of the way along the arc from start to end.
Vector arc_point(const Vector& start, const Vector& end, const Circle& circle, const ArcMove& move,
                 double t);

} // namespace mill5x
