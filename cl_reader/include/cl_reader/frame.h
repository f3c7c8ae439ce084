#pragma once
// An operation's coordinate system (MSYS/x0, y0, z0, xi, xj, xk, yi, yj, yk): its origin and
// the directions of its X and Y axes in machine coordinates; Z completes a right-handed set.
// The points and tool axes of the operation are written in it.

#include "geometry/vector.h"

namespace cl {

using geometry::Vector;

struct Frame {
    Vector origin;
    Vector x{1, 0, 0}, y{0, 1, 0}, z{0, 0, 1};

    Vector point(const Vector& p) const;     // a point of the operation in machine coordinates
    Vector direction(const Vector& d) const; // a direction likewise
};

// From the nine values of MSYS. Throws Error unless X and Y are perpendicular unit vectors
// (within rounding of the CL file's decimals).
Frame frame_from(const Vector& origin, const Vector& x, const Vector& y);

} // namespace cl
