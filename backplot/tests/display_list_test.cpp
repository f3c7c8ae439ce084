// What the display list keeps of a path: every move's end within a pixel of a point kept, no
// more points than the path covers pixels, arcs round at any zoom, lines cut near the
// viewport, the tool axis spaced along a five-axis path, and the chosen move with its tool.

#include "display_list.h"
#include "load.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace backplot {
namespace {

const Viewport viewport{400, 300};

Pen pen_of(Style style) {
    return style == Style::rapid  ? Pen::rapid
           : style == Style::feed ? Pen::feed
                                  : Pen::inverse_time;
}

bool in_viewport(const Pixel& p) {
    return p.x >= 0 && p.x <= viewport.width && p.y >= 0 && p.y <= viewport.height;
}

// The points of the polylines of each pen, by the pixel they fall in.
class KeptPoints {
public:
    explicit KeptPoints(const DisplayList& list) {
        for (const Polyline& polyline : list.polylines)
            for (std::uint32_t k = 0; k < polyline.count; ++k) {
                const ScreenPoint p = list.points[polyline.first + k];
                cells_[{polyline.pen, cell(p.x), cell(p.y)}].push_back(p);
            }
    }
    double nearest(Pen pen, const Pixel& p) const {
        double best = 1e300;
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy) {
                const auto found = cells_.find({pen, cell(p.x) + dx, cell(p.y) + dy});
                if (found == cells_.end()) continue;
                for (const ScreenPoint& q : found->second)
                    best = std::min(best, std::hypot(q.x - p.x, q.y - p.y));
            }
        return best;
    }

private:
    static long cell(double v) { return std::lround(std::floor(v)); }
    std::map<std::tuple<Pen, long, long>, std::vector<ScreenPoint>> cells_;
};

// 20000 short moves of a random walk, with rapids and inverse-time moves among them.
std::string random_walk() {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> step(-0.05, 0.05), far(-50, 50);
    std::string program = "G0 X0 Y0 Z0\n";
    double x = 0, y = 0, z = 0;
    char line[120];
    for (int n = 0; n < 20000; ++n) {
        const int kind = n % 997 == 0 ? 0 : n % 501 < 40 ? 93 : 1;
        if (kind == 0) {
            x = far(random), y = far(random);
        } else {
            x += step(random), y += step(random), z += step(random);
        }
        std::snprintf(line, sizeof line, "%s X%.4f Y%.4f Z%.4f%s\n",
                      kind == 0    ? "G0"
                      : kind == 93 ? "G93 G1"
                                   : "G94 G1",
                      x, y, z, kind == 93 ? " F10" : " F100");
        program += line;
    }
    return program;
}

TEST(DisplayList, NoMoveEndIsLostAtAnyZoom) {
    const Plot plot = load_plot(random_walk());
    ASSERT_EQ(plot.warning_count(), 0u);
    for (const Orientation orientation : {Orientation::top, Orientation::isometric}) {
        View fit(orientation);
        fit.fit(plot.box(), viewport);
        const Pixel on_path = fit.project(plot.move(plot.move_count() / 2).end_point());
        for (const double zoom : {1.0, 10.0, 1000.0}) {
            View view = fit;
            view.zoom(zoom, on_path);
            const DisplayList list = build_display_list(plot, view, viewport);
            const KeptPoints kept(list);
            double drawn_pixels = 0;
            std::size_t visible = 0;
            for (std::size_t i = 1; i < plot.move_count(); ++i) {
                const PlotMove& move = plot.move(i);
                const Pixel start = view.project(plot.move(i - 1).end_point());
                const Pixel end = view.project(move.end_point());
                if (in_viewport(start) || in_viewport(end))
                    drawn_pixels += std::hypot(end.x - start.x, end.y - start.y);
                if (move.starts_path() || !in_viewport(end)) continue;
                ++visible;
                EXPECT_LE(kept.nearest(pen_of(move.style()), end), 1.0001)
                    << "move " << i << " at zoom " << zoom;
            }
            EXPECT_GT(visible, 10u) << zoom;
            // At most about a point a pixel of path, and at the fit far fewer than moves.
            std::size_t polylines = 0;
            for (const Polyline& polyline : list.polylines)
                polylines += polyline.pen != Pen::tool_axis;
            EXPECT_LE(static_cast<double>(list.points.size()), drawn_pixels + 2 * polylines)
                << zoom;
            if (zoom == 1) {
                EXPECT_LT(list.points.size(), plot.move_count() / 4);
            }
            for (const ScreenPoint& p : list.points) {
                EXPECT_GE(p.x, -clip_margin);
                EXPECT_LE(p.x, viewport.width + clip_margin);
                EXPECT_GE(p.y, -clip_margin);
                EXPECT_LE(p.y, viewport.height + clip_margin);
            }
        }
    }
}

// A circle of radius 10 seen from above, at the fit, ten and a thousand times closer
// (where its radius is 130000 pixels): each piece strays from the circle by at most a quarter
// pixel, however large it is on screen.
TEST(DisplayList, ArcsStayRoundAtAnyZoom) {
    const Plot plot = load_plot("G0 X10 Y0 Z0\nG3 X10 Y0 I-10 F100\n");
    View view(Orientation::top);
    view.fit(plot.box(), viewport);
    const View fit = view;
    for (const double zoom : {1.0, 10.0, 1000.0}) {
        view = fit;
        view.zoom(zoom, view.project({10, 0, 0}));
        const DisplayList list = build_display_list(plot, view, viewport);
        const Pixel centre = view.project({0, 0, 0});
        const double radius = 10 * view.scale();
        std::size_t pieces = 0;
        for (const Polyline& polyline : list.polylines)
            for (std::uint32_t k = 1; k < polyline.count; ++k) {
                const ScreenPoint a = list.points[polyline.first + k - 1],
                                  b = list.points[polyline.first + k];
                const double middle =
                    std::hypot((a.x + b.x) / 2 - centre.x, (a.y + b.y) / 2 - centre.y);
                EXPECT_LE(radius - middle, 0.3) << zoom;
                EXPECT_LE(std::hypot(b.x - centre.x, b.y - centre.y), radius + 0.01) << zoom;
                ++pieces;
            }
        EXPECT_GT(pieces, zoom == 1 ? 20u : zoom == 10 ? 5u : 0u) << zoom;
    }
    EXPECT_EQ(arc_pieces(0.2, 6.3), 1);
    EXPECT_EQ(arc_pieces(1e12, 6.3), 4096);
}

// A five-axis line: the axis shown every 24 pixels or more along it, never on a path whose
// axis stays the same.
TEST(DisplayList, ToolAxisSpacedAlongTheDrawnPath) {
    std::string tilting = "FEDRAT/100\n";
    char line[100];
    for (int n = 0; n <= 400; ++n) {
        const double angle = n * 0.002;
        std::snprintf(line, sizeof line, "GOTO/%d,0,0,%.6f,0,%.6f\n", n, std::sin(angle),
                      std::cos(angle));
        tilting += line;
    }
    const Plot plot = load_plot(tilting);
    ASSERT_TRUE(plot.tool_axis_varies());
    View view(Orientation::front);
    view.fit(plot.box(), viewport);
    const DisplayList list = build_display_list(plot, view, viewport);
    std::vector<double> bases;
    for (const Polyline& polyline : list.polylines)
        if (polyline.pen == Pen::tool_axis) {
            ASSERT_EQ(polyline.count, 2u);
            const ScreenPoint base = list.points[polyline.first],
                              tip = list.points[polyline.first + 1];
            EXPECT_LT(tip.y, base.y); // up, along the axis
            EXPECT_LE(std::hypot(tip.x - base.x, tip.y - base.y), 16.01);
            bases.push_back(base.x);
        }
    // 360 pixels of path: a mark each 24 or more.
    ASSERT_GE(bases.size(), 10u);
    ASSERT_LE(bases.size(), 15u);
    std::sort(bases.begin(), bases.end());
    for (std::size_t k = 1; k < bases.size(); ++k)
        EXPECT_GE(bases[k] - bases[k - 1], 23.99);

    const Plot still = load_plot("FEDRAT/100\nGOTO/0,0,0,0,0,1\nGOTO/100,0,0\n");
    for (const Polyline& polyline : build_display_list(still, view, viewport).polylines)
        EXPECT_NE(polyline.pen, Pen::tool_axis);
}

// The chosen move whole, and the tool at its end: its length along its axis, or 60 pixels
// for a tool of unknown length. Tool changes and holes are marked.
TEST(DisplayList, ChosenMoveToolAndMarks) {
    const Plot plot = load_plot("LOADTL/1,LENGTH,30\nFEDRAT/100\nFROM/0,0,20\n"
                                "GOTO/0,0,0\nGOTO/100,0,0\n"
                                "CYCLE/DRILL,10,FEDRAT,50,2\nGOTO/50,0,0\nCYCLE/OFF\n"
                                "LOADTL/2\nGOTO/80,0,0\n");
    View view(Orientation::front);
    view.fit(plot.box(), viewport);
    const auto polylines_of = [](const DisplayList& list, Pen pen) {
        std::vector<std::vector<ScreenPoint>> found;
        for (const Polyline& polyline : list.polylines)
            if (polyline.pen == pen)
                found.emplace_back(list.points.begin() + polyline.first,
                                   list.points.begin() + polyline.first + polyline.count);
        return found;
    };

    DisplayOptions options;
    options.chosen = 2; // GOTO/100,0,0
    DisplayList list = build_display_list(plot, view, viewport, options);
    const auto highlight = polylines_of(list, Pen::highlight);
    ASSERT_EQ(highlight.size(), 1u);
    const Pixel from = view.project({0, 0, 0}), to = view.project({100, 0, 0});
    EXPECT_NEAR(highlight[0].front().x, from.x, 1e-3);
    EXPECT_NEAR(highlight[0].back().x, to.x, 1e-3);
    const auto tool = polylines_of(list, Pen::tool);
    ASSERT_EQ(tool.size(), 1u);
    EXPECT_NEAR(tool[0].back().y - tool[0].front().y, -30 * view.scale(), 1e-3);

    options.chosen = 4; // the last, with tool 2 of unknown length
    list = build_display_list(plot, view, viewport, options);
    const auto unknown = polylines_of(list, Pen::tool);
    ASSERT_EQ(unknown.size(), 1u);
    EXPECT_NEAR(unknown[0].back().y - unknown[0].front().y, -60, 1e-3);
    // From above the tool is seen end on: no line, whatever the rounding of the view's axes.
    View top(Orientation::top);
    top.fit(plot.box(), viewport);
    for (const auto& line :
         polylines_of(build_display_list(plot, top, viewport, options), Pen::tool))
        EXPECT_NEAR(std::hypot(line.back().x - line.front().x, line.back().y - line.front().y), 0,
                    1e-3);

    int holes = 0, changes = 0, tips = 0;
    for (const Mark& mark : list.marks) {
        holes += mark.kind == MarkKind::hole;
        tips += mark.kind == MarkKind::tool_tip;
        if (mark.kind == MarkKind::tool_change) {
            EXPECT_EQ(mark.tool, ++changes);
        }
        if (mark.kind == MarkKind::hole) {
            EXPECT_EQ(mark.depth, 10);
        }
    }
    EXPECT_EQ(holes, 1);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(tips, 1);
    const auto hole = polylines_of(list, Pen::hole);
    ASSERT_EQ(hole.size(), 1u);
    EXPECT_NEAR(hole[0].back().y - hole[0].front().y, 12 * view.scale(), 1e-3);
}

} // namespace
} // namespace backplot
