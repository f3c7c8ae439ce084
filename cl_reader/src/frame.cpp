#include "cl_reader/frame.h"

#include "cl_reader/error.h"

#include <cmath>

namespace cl {

namespace {

// CL files give directions to six or seven decimals.
constexpr double direction_tolerance = 1e-4;

} // namespace

Vector Frame::point(const Vector& p) const {
    return plus(origin, direction(p));
}

Vector Frame::direction(const Vector& d) const {
    return {x.x * d.x + y.x * d.y + z.x * d.z, x.y * d.x + y.y * d.y + z.y * d.z,
            x.z * d.x + y.z * d.y + z.z * d.z};
}

Frame frame_from(const Vector& origin, const Vector& x, const Vector& y) {
    const double x_length = norm(x), y_length = norm(y);
    if (std::fabs(x_length - 1) > direction_tolerance ||
        std::fabs(y_length - 1) > direction_tolerance || std::fabs(dot(x, y)) > direction_tolerance)
        throw Error("MSYS: the X and Y directions must be perpendicular unit vectors");
    Frame frame;
    frame.origin = origin;
    frame.x = times(x, 1 / x_length);
    frame.y = times(y, 1 / y_length);
    frame.z = {frame.x.y * frame.y.z - frame.x.z * frame.y.y,
               frame.x.z * frame.y.x - frame.x.x * frame.y.z,
               frame.x.x * frame.y.y - frame.x.y * frame.y.x};
    return frame;
}

} // namespace cl
