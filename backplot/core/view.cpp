#include "view.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace backplot {

namespace {

constexpr double degrees_a_pixel = 0.5;

double radians(double degrees) {
    return degrees * std::numbers::pi / 180;
}

} // namespace

void View::orient(Orientation orientation) {
    switch (orientation) {
    case Orientation::top:
        return set_angles(0, 90);
    case Orientation::front:
        return set_angles(0, 0);
    case Orientation::side:
        return set_angles(90, 0);
    case Orientation::isometric:
        // From the front, right and above at once: (1, -1, 1) towards the eye.
        return set_angles(45, std::atan(1 / std::sqrt(2.0)) * 180 / std::numbers::pi);
    }
}

void View::set_angles(double azimuth, double elevation) {
    if (!std::isfinite(azimuth) || !std::isfinite(elevation)) return;
    azimuth_ = std::remainder(azimuth, 360.0);
    elevation_ = std::clamp(elevation, -90.0, 90.0);
    const double az = radians(azimuth_), el = radians(elevation_);
    right_ = {std::cos(az), std::sin(az), 0};
    up_ = {-std::sin(el) * std::sin(az), std::sin(el) * std::cos(az), std::cos(el)};
}

void View::turn(double dx, double dy, const Vector& pivot) {
    const Pixel before = project(pivot);
    set_angles(azimuth_ - dx * degrees_a_pixel, elevation_ + dy * degrees_a_pixel);
    const Pixel after = project(pivot);
    offset_x_ += before.x - after.x;
    offset_y_ += before.y - after.y;
}

void View::fit(const Box& box, const Viewport& viewport) {
    if (box.empty || viewport.width <= 0 || viewport.height <= 0) return;
    // The box's corners along the screen's axes.
    double left = 0, right = 0, bottom = 0, top = 0;
    bool first = true;
    for (int corner = 0; corner < 8; ++corner) {
        const Vector p{corner & 1 ? box.max.x : box.min.x, corner & 2 ? box.max.y : box.min.y,
                       corner & 4 ? box.max.z : box.min.z};
        const double u = geometry::dot(p, right_), v = geometry::dot(p, up_);
        left = first ? u : std::min(left, u);
        right = first ? u : std::max(right, u);
        bottom = first ? v : std::min(bottom, v);
        top = first ? v : std::max(top, v);
        first = false;
    }
    const double width = viewport.width, height = viewport.height;
    const double margin = std::min(fit_margin, std::min(width, height) / 4);
    const double room_x = width - 2 * margin, room_y = height - 2 * margin;
    // Only the directions in which the box has a size decide; a single point keeps the scale.
    const double span_x = right - left, span_y = top - bottom;
    constexpr double no_size = 1e-12;
    double scale = scale_;
    if (span_x > no_size && span_y > no_size)
        scale = std::min(room_x / span_x, room_y / span_y);
    else if (span_x > no_size)
        scale = room_x / span_x;
    else if (span_y > no_size)
        scale = room_y / span_y;
    scale_ = std::clamp(scale, smallest_scale, largest_scale);
    offset_x_ = width / 2 - scale_ * (left + right) / 2;
    offset_y_ = height / 2 + scale_ * (bottom + top) / 2;
}

void View::zoom(double factor, const Pixel& about) {
    if (!(factor > 0) || !std::isfinite(factor)) return;
    const double scale = std::clamp(scale_ * factor, smallest_scale, largest_scale);
    const double applied = scale / scale_;
    offset_x_ = about.x - (about.x - offset_x_) * applied;
    offset_y_ = about.y - (about.y - offset_y_) * applied;
    scale_ = scale;
}

void View::pan(double dx, double dy) {
    if (!std::isfinite(dx) || !std::isfinite(dy)) return;
    offset_x_ += dx;
    offset_y_ += dy;
}

} // namespace backplot
