#pragma once
// How the picture is looked at: from which direction (two angles), how large (pixels a unit)
// and where (the pixel the part's origin falls on). Pixels count from the viewport's top left
// corner, y down as on screen; all in double precision, so that a zoom of a thousand times on
// a part far from its origin still places every point to a fraction of a pixel.
//
// The direction: the azimuth turns the eye about Z (0: from the front, looking along +Y; 90:
// from the right side, looking along -X), the elevation lifts it (90: from above). Screen x
// runs along `right` = (cos az, sin az, 0), screen y up along
// `up` = (-sin el sin az, sin el cos az, cos el).

#include "geometry/vector.h"
#include "plot.h"

namespace backplot {

struct Viewport {
    int width = 0, height = 0;
};

struct Pixel {
    double x = 0, y = 0;
};

enum class Orientation { top, front, side, isometric };

class View {
public:
    View() { set_angles(0, 90); }
    explicit View(Orientation orientation) { orient(orientation); }

    // The direction of a standard view; scale and place stay.
    void orient(Orientation orientation);
    double azimuth() const { return azimuth_; }
    double elevation() const { return elevation_; }
    // Sets the direction (degrees); the elevation is held within -90 to 90.
    void set_angles(double azimuth, double elevation);
    // Turns the view by a drag of (dx, dy) pixels, half a degree a pixel: right turns the part
    // to the right, down tilts its top towards the eye. `pivot` stays on its pixel.
    void turn(double dx, double dy, const Vector& pivot);

    // The box, with a margin, as large as the viewport holds it, in its middle.
    void fit(const Box& box, const Viewport& viewport);
    // Zooms by the factor about a pixel, which keeps its place.
    void zoom(double factor, const Pixel& about);
    void pan(double dx, double dy);

    Pixel project(const Vector& p) const {
        return {offset_x_ + scale_ * (right_.x * p.x + right_.y * p.y + right_.z * p.z),
                offset_y_ - scale_ * (up_.x * p.x + up_.y * p.y + up_.z * p.z)};
    }
    // A direction's length and way on screen, in pixels (y down).
    Pixel project_direction(const Vector& d) const {
        return {scale_ * geometry::dot(right_, d), -scale_ * geometry::dot(up_, d)};
    }

    double scale() const { return scale_; } // pixels a unit
    const Vector& right() const { return right_; }
    const Vector& up() const { return up_; }
    Vector toward_eye() const { return geometry::cross(right_, up_); }

    // The margin a fit leaves on each side, in pixels (less in a small viewport).
    static constexpr double fit_margin = 20;
    // How far the scale may go either way: beyond, points would leave double precision.
    static constexpr double smallest_scale = 1e-9, largest_scale = 1e9;

private:
    double azimuth_ = 0, elevation_ = 90;
    Vector right_{1, 0, 0}, up_{0, 1, 0};
    double scale_ = 1;
    double offset_x_ = 0, offset_y_ = 0;
};

} // namespace backplot
