#pragma once
// Points and directions in three dimensions, as the CL reader, the machine and the NC program
// reader all use them.

#include <cmath>

namespace geometry {

struct Vector {
    double x = 0, y = 0, z = 0;
};

inline Vector plus(const Vector& a, const Vector& b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline Vector minus(const Vector& a, const Vector& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline Vector times(const Vector& v, double factor) {
    return {v.x * factor, v.y * factor, v.z * factor};
}
inline double dot(const Vector& a, const Vector& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline Vector cross(const Vector& a, const Vector& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double norm(const Vector& v) {
    return std::sqrt(dot(v, v));
}
inline double distance(const Vector& a, const Vector& b) {
    return norm(minus(a, b));
}
// The point a fraction t of the way from a to b.
inline Vector lerp(const Vector& a, const Vector& b, double t) {
    return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t, a.z + (b.z - a.z) * t};
}

// How far p lies from the straight segment from a to b.
inline double distance_to_segment(const Vector& p, const Vector& a, const Vector& b) {
    const Vector ab = minus(b, a);
    const double length_squared = dot(ab, ab);
    double t = length_squared > 0 ? dot(minus(p, a), ab) / length_squared : 0;
    t = t < 0 ? 0 : t > 1 ? 1 : t;
    return distance(p, lerp(a, b, t));
}

} // namespace geometry
