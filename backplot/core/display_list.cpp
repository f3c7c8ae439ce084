#include "display_list.h"

#include "path_drawer.h"

#include <algorithm>
#include <cmath>

namespace backplot {

namespace {

constexpr double merge_pixels = 1;
constexpr int most_arc_pieces = 4096;

Pen pen_of(Style style) {
    switch (style) {
    case Style::rapid:
        return Pen::rapid;
    case Style::inverse_time:
        return Pen::inverse_time;
    case Style::feed:
        break;
    }
    return Pen::feed;
}

Vector point_of(const float (&p)[3]) {
    return {p[0], p[1], p[2]};
}

bool inside(const Pixel& p, const Viewport& viewport) {
    return p.x >= -clip_margin && p.x <= viewport.width + clip_margin && p.y >= -clip_margin &&
           p.y <= viewport.height + clip_margin;
}

ScreenPoint screen(const Pixel& p) {
    return {static_cast<float>(p.x), static_cast<float>(p.y)};
}

// Lines that stand apart from the path (holes, axis marks, the chosen move and its tool):
// gathered on their own and added after it, so that each polyline's points stay together.
class Extras {
public:
    Extras(const Viewport& viewport, const View& view) : viewport_(viewport), view_(view) {}

    // A line through the points, cut at the clip rectangle, never merged.
    PathDrawer drawer() { return PathDrawer(points_, polylines_, viewport_, 0, view_, {}); }
    void line(const Pixel& a, const Pixel& b, Pen pen) {
        PathDrawer d = drawer();
        d.jump(a);
        d.line_to(b, pen, {});
        d.finish();
    }
    void append_to(DisplayList& list) const {
        const auto base = static_cast<std::uint32_t>(list.points.size());
        list.points.insert(list.points.end(), points_.begin(), points_.end());
        for (Polyline polyline : polylines_) {
            polyline.first += base;
            list.polylines.push_back(polyline);
        }
    }

private:
    const Viewport& viewport_;
    const View& view_;
    std::vector<ScreenPoint> points_;
    std::vector<Polyline> polylines_;
};

// The chosen move drawn whole, with the tool at its end along its axis.
void draw_chosen(const Plot& plot, std::size_t i, const View& view, const Viewport& viewport,
                 const DisplayOptions& options, Extras& extras, DisplayList& list) {
    const PlotMove& move = plot.move(i);
    const Pixel end = view.project(move.end_point());
    PathDrawer path = extras.drawer();
    if (const auto start = plot.move_start(i)) {
        path.jump(view.project(*start));
        for_each_inner_point(plot, i, view.scale(), [&](const Vector& p, const PackedAxis&) {
            path.line_to(view.project(p), Pen::highlight, {});
        });
        path.line_to(end, Pen::highlight, {});
    } else {
        path.jump(end);
    }
    if (const HoleData* hole = move.shape() == Shape::hole ? plot.hole_of(i) : nullptr) {
        path.line_to(view.project(point_of(hole->top)), Pen::highlight, {});
        path.line_to(view.project(point_of(hole->bottom)), Pen::highlight, {});
    }
    path.finish();

    const Vector axis = move.axis.unpacked();
    const double length = plot.tool_length_at(i);
    Pixel top = view.project(geometry::plus(move.end_point(), geometry::times(axis, length)));
    if (length <= 0) {
        const Pixel d = view.project_direction(axis);
        const double pixels = std::hypot(d.x, d.y);
        // A tool seen end on shows as its tip alone: the axis of a top view, rounded, is no
        // direction on screen.
        top = pixels > 1e-9 * view.scale()
                  ? Pixel{end.x + d.x / pixels * options.tool_length_without_one,
                          end.y + d.y / pixels * options.tool_length_without_one}
                  : end;
    }
    extras.line(end, top, Pen::tool);
    if (inside(end, viewport))
        list.marks.push_back(
            {MarkKind::tool_tip, screen(end), 0, 0, static_cast<std::uint32_t>(i)});
}

} // namespace

int arc_pieces(double pixels, double turn) {
    if (!(pixels > 0.25) || !(turn > 0)) return 1;
    if (!std::isfinite(pixels)) return most_arc_pieces;
    // Each piece's chord strays from the arc by r (1 - cos(a / 2)): a quarter pixel at most.
    const double piece = 2 * std::acos(1 - 0.25 / pixels);
    return static_cast<int>(std::clamp(std::ceil(turn / piece), 1.0, double{most_arc_pieces}));
}

DisplayList build_display_list(const Plot& plot, const View& view, const Viewport& viewport,
                               const DisplayOptions& options) {
    DisplayList list;
    Extras extras(viewport, view);
    const AxisMarks marks{options.tool_axes && plot.tool_axis_varies(), options.tool_axis_spacing,
                          options.tool_axis_length};
    PathDrawer path(list.points, list.polylines, viewport, merge_pixels, view, marks);

    // The tables aside are ordered by move: each is read along with the moves.
    std::size_t next_arc = 0, next_sampled = 0, next_hole = 0, next_change = 0;
    const auto& tool_changes = plot.tool_changes();
    const double scale = view.scale();
    const double reach_x = viewport.width + clip_margin, reach_y = viewport.height + clip_margin;
    Pixel last{};
    Vector last_point{};

    const std::size_t count = plot.move_count();
    for (std::size_t i = 0; i < count; ++i) {
        const PlotMove& move = plot.move(i);
        const Vector end_point = move.end_point();
        const Pixel end = view.project(end_point);
        const Pen pen = pen_of(move.style());
        const Pixel start = move.starts_path() ? end : last;

        while (next_change < tool_changes.size() && tool_changes[next_change].move <= i) {
            if (tool_changes[next_change].move == i && inside(start, viewport))
                list.marks.push_back({MarkKind::tool_change, screen(start),
                                      tool_changes[next_change].tool, 0,
                                      static_cast<std::uint32_t>(i)});
            ++next_change;
        }

        switch (move.shape()) {
        case Shape::arc: {
            const ArcData& arc = plot.arcs()[next_arc++];
            if (move.starts_path()) break;
            const ArcFrame frame = arc_frame(arc, last_point, end_point);
            const double radius = std::max(frame.start_radius, frame.end_radius);
            // Its points matter only where the circle can reach the viewport.
            const Pixel centre = view.project(frame.centre);
            const double reach = (radius + std::fabs(frame.rise)) * scale;
            if (centre.x + reach < -clip_margin || centre.x - reach > reach_x ||
                centre.y + reach < -clip_margin || centre.y - reach > reach_y)
                break;
            const int pieces = arc_pieces(radius * scale, frame.turn);
            for (int k = 1; k < pieces; ++k)
                path.line_to(view.project(frame.at(static_cast<double>(k) / pieces)), pen,
                             move.axis);
            break;
        }
        case Shape::sampled: {
            const SampledPath& sampled = plot.sampled_paths()[next_sampled++];
            if (move.starts_path()) break;
            for (std::uint32_t k = 0; k < sampled.count; ++k) {
                const Sample& sample = plot.samples()[sampled.first + k];
                path.line_to(view.project(point_of(sample.point)), pen, sample.axis);
            }
            break;
        }
        case Shape::hole: {
            const HoleData& hole = plot.holes()[next_hole++];
            const Pixel top = view.project(point_of(hole.top));
            extras.line(end, top, Pen::rapid); // down from where it returns to
            extras.line(top, view.project(point_of(hole.bottom)), Pen::hole);
            if (inside(top, viewport))
                list.marks.push_back(
                    {MarkKind::hole, screen(top), 0, hole.depth, static_cast<std::uint32_t>(i)});
            break;
        }
        case Shape::straight:
            break;
        }

        if (move.starts_path())
            path.jump(end);
        else
            path.line_to(end, pen, move.axis);
        last = end;
        last_point = end_point;
    }
    path.finish();

    const auto base = static_cast<std::uint32_t>(list.points.size());
    for (std::size_t k = 0; k < path.axis_lines().size(); ++k) {
        list.points.push_back(path.axis_lines()[k].first);
        list.points.push_back(path.axis_lines()[k].second);
        list.polylines.push_back({Pen::tool_axis, base + 2 * static_cast<std::uint32_t>(k), 2});
    }
    if (options.chosen && *options.chosen < count)
        draw_chosen(plot, *options.chosen, view, viewport, options, extras, list);
    extras.append_to(list);
    return list;
}

} // namespace backplot
