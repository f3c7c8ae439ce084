#pragma once
// Circular arcs in the planes G17, G18 and G19, from the words that program them to the
// points along them.

#include "nc_reader/reader.h"

namespace nc {

// G17: X, Y about Z; G18: Z, X about Y; G19: Y, Z about X. Counter-clockwise seen from the
// positive normal turns from the first axis towards the second in each.
struct PlaneAxes {
    int first, second, normal;
};
PlaneAxes plane_axes(Plane plane);

// A point or direction in a plane: its first and second coordinate.
struct PlanePoint {
    double first = 0, second = 0;
};
PlanePoint in_plane(const Axes& axes, const PlaneAxes& plane);

struct RadiusCentre {
    PlanePoint centre;
    double chord_excess = 0; // how far the end lies beyond 2 |R| from the start
};
// The centre an R word gives, start and end apart: R > 0 the arc of at most half a turn,
// R < 0 the longer. Points farther apart than 2 |R| get the half circle between them.
RadiusCentre centre_for_radius(PlanePoint start, PlanePoint end, double r, bool clockwise);

// The angle turned, in the direction of travel, from the direction `from` to the direction
// `to`: greater than 0, 2 pi when they point the same way.
double angle_turned(PlanePoint from, PlanePoint to, bool clockwise);

// An arc as it is moved: the radius changes evenly from the start's to the end's, so that an
// end off its circle is still reached.
struct ArcPath {
    PlaneAxes axes;
    PlanePoint centre;
    double start_angle = 0, start_radius = 0, end_radius = 0;
    double turn = 0; // signed sweep: negative clockwise
    PlanePoint at(double t) const;
};
ArcPath arc_path(const Move& move);

} // namespace nc
