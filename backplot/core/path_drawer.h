#pragma once
// Turns a path of pixels into polylines: drops each point that falls within `merge` pixels of
// the last point kept, cuts the lines at the clip rectangle, and notes where the tool axis is
// to be shown, every so many pixels along what is drawn. Within the library only.

#include "display_list.h"

#include <vector>

namespace backplot {

struct AxisMarks {
    bool shown = false;
    double spacing = 24, length = 16;
};

class PathDrawer {
public:
    PathDrawer(std::vector<ScreenPoint>& points, std::vector<Polyline>& polylines,
               const Viewport& viewport, double merge, const View& view, AxisMarks marks);

    // Begins a path at p: no line leads to it.
    void jump(const Pixel& p);
    // A line from the last point to p.
    void line_to(const Pixel& p, Pen pen, const PackedAxis& axis);
    // Ends the last polyline; the axis marks' lines are added to `marks_points` and
    // `marks_lines`.
    void finish();

    const std::vector<std::pair<ScreenPoint, ScreenPoint>>& axis_lines() const {
        return axis_lines_;
    }

private:
    // By value: the points may be the drawer's own, which it moves on.
    void segment(Pixel from, Pixel to, const PackedAxis& axis);
    void emit(const Pixel& p, const PackedAxis& axis);
    void end_polyline();

    std::vector<ScreenPoint>& points_;
    std::vector<Polyline>& polylines_;
    double min_x_, max_x_, min_y_, max_y_;
    double merge_squared_;
    const View& view_;
    AxisMarks marks_;

    bool has_point_ = false; // last_ is a point of the path
    bool open_ = false;      // a polyline is being filled; anchor_ is its last point
    bool merged_ = false;    // points since the anchor were left out
    Pixel anchor_, last_;
    PackedAxis last_axis_;
    Pen pen_ = Pen::feed;
    double along_ = 0; // pixels drawn since the last axis mark
    std::vector<std::pair<ScreenPoint, ScreenPoint>> axis_lines_;
};

// The part of the line from a to b within the rectangle: false when none is.
bool clip_line(const Pixel& a, const Pixel& b, double min_x, double max_x, double min_y,
               double max_y, double& t0, double& t1);

} // namespace backplot
