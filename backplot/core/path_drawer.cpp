#include "path_drawer.h"

#include <cmath>

namespace backplot {

bool clip_line(const Pixel& a, const Pixel& b, double min_x, double max_x, double min_y,
               double max_y, double& t0, double& t1) {
    t0 = 0;
    t1 = 1;
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x - min_x, max_x - a.x, a.y - min_y, max_y - a.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double r = q[i] / p[i];
        if (p[i] < 0) {
            if (r > t1) return false;
            if (r > t0) t0 = r;
        } else {
            if (r < t0) return false;
            if (r < t1) t1 = r;
        }
    }
    return true;
}

PathDrawer::PathDrawer(std::vector<ScreenPoint>& points, std::vector<Polyline>& polylines,
                       const Viewport& viewport, double merge, const View& view, AxisMarks marks)
    : points_(points), polylines_(polylines), min_x_(-clip_margin),
      max_x_(viewport.width + clip_margin), min_y_(-clip_margin),
      max_y_(viewport.height + clip_margin), merge_squared_(merge * merge), view_(view),
      marks_(marks) {}

void PathDrawer::jump(const Pixel& p) {
    end_polyline();
    anchor_ = last_ = p;
    has_point_ = true;
}

void PathDrawer::line_to(const Pixel& p, Pen pen, const PackedAxis& axis) {
    if (!has_point_) return jump(p);
    if (pen != pen_) {
        // The new pen's line begins where the path is, kept or not.
        end_polyline();
        pen_ = pen;
        anchor_ = last_;
    }
    const double dx = p.x - anchor_.x, dy = p.y - anchor_.y;
    if (dx * dx + dy * dy < merge_squared_) {
        last_ = p;
        last_axis_ = axis;
        merged_ = true;
        return;
    }
    segment(anchor_, p, axis);
}

void PathDrawer::segment(Pixel from, Pixel to, const PackedAxis& axis) {
    merged_ = false;
    anchor_ = last_ = to;
    last_axis_ = axis;
    // Both ends beyond one edge: most lines off the viewport at a close zoom, passed by
    // without the cutting's divisions.
    const auto beyond = [this](const Pixel& p) {
        return (p.x < min_x_ ? 1 : 0) | (p.x > max_x_ ? 2 : 0) | (p.y < min_y_ ? 4 : 0) |
               (p.y > max_y_ ? 8 : 0);
    };
    double t0 = 0, t1 = 1;
    if ((beyond(from) & beyond(to)) != 0 ||
        !clip_line(from, to, min_x_, max_x_, min_y_, max_y_, t0, t1)) {
        end_polyline();
        return;
    }
    const auto at = [&](double t) {
        return Pixel{from.x + (to.x - from.x) * t, from.y + (to.y - from.y) * t};
    };
    if (!open_) {
        polylines_.push_back({pen_, static_cast<std::uint32_t>(points_.size()), 0});
        open_ = true;
        along_ = 0;
        emit(at(t0), axis);
    }
    emit(t1 < 1 ? at(t1) : to, axis);
    if (t1 < 1) end_polyline(); // it left the rectangle
}

void PathDrawer::emit(const Pixel& p, const PackedAxis& axis) {
    const ScreenPoint point{static_cast<float>(p.x), static_cast<float>(p.y)};
    Polyline& polyline = polylines_.back();
    if (marks_.shown && (pen_ == Pen::feed || pen_ == Pen::inverse_time) && polyline.count > 0) {
        const ScreenPoint& before = points_.back();
        along_ += std::hypot(point.x - before.x, point.y - before.y);
        if (along_ >= marks_.spacing) {
            along_ = 0;
            const Pixel d = view_.project_direction(axis.unpacked());
            const double scale = view_.scale();
            // The axis as a line of `length` pixels where it lies square to the screen, shorter
            // as it turns towards the eye.
            Pixel tip{p.x + d.x / scale * marks_.length, p.y + d.y / scale * marks_.length};
            double t0 = 0, t1 = 1;
            if (std::hypot(tip.x - p.x, tip.y - p.y) >= 1 &&
                clip_line(p, tip, min_x_, max_x_, min_y_, max_y_, t0, t1)) {
                tip = {p.x + (tip.x - p.x) * t1, p.y + (tip.y - p.y) * t1};
                axis_lines_.push_back(
                    {point, {static_cast<float>(tip.x), static_cast<float>(tip.y)}});
            }
        }
    }
    points_.push_back(point);
    ++polyline.count;
}

void PathDrawer::end_polyline() {
    // Points left out since the last one kept: the last of them ends the line, so that the
    // path's end is drawn where it is.
    if (merged_ && (last_.x != anchor_.x || last_.y != anchor_.y))
        segment(anchor_, last_, last_axis_);
    merged_ = false;
    open_ = false;
}

void PathDrawer::finish() {
    end_polyline();
}

} // namespace backplot
