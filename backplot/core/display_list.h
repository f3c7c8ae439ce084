#pragma once
// What the window paints for a view and a viewport size: polylines in pixels, each with its
// pen, and marks. Built anew for every change of view; the window only draws it (with GDI:
// one Polyline a polyline, the pen by `Pen`, a mark as a small figure).
//
// The path's points are projected once each and kept only where they fall a pixel or more from
// the last point kept of the same polyline (the points between lie within a pixel of it), so
// the list holds about as many points as the path covers pixels, whatever the number of moves.
// Lines are cut at the viewport's edge (a few pixels beyond it), so every coordinate stays near
// the viewport at any zoom. Arcs are drawn through as many points as keep them within a
// quarter pixel of round at the zoom.

#include "plot.h"
#include "view.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace backplot {

enum class Pen : std::uint8_t {
    rapid,        // dashed
    feed,         // solid
    inverse_time, // solid in a colour of its own
    hole,         // a drilled hole, from its R level to its bottom
    tool_axis,    // the tool axis, short lines along a five-axis path
    highlight,    // the chosen move
    tool,         // the tool at the chosen move's end, along its axis
};

struct ScreenPoint {
    float x = 0, y = 0;
};

struct Polyline {
    Pen pen = Pen::feed;
    std::uint32_t first = 0, count = 0; // points [first, first + count) of the list
};

enum class MarkKind : std::uint8_t {
    hole,        // at the hole's top: a small circle
    tool_change, // where a tool's first move begins: a triangle, labelled "T" and the tool
    tool_tip,    // the chosen move's end
};

struct Mark {
    MarkKind kind = MarkKind::hole;
    ScreenPoint at;
    int tool = 0;    // tool_change: the tool's number
    float depth = 0; // hole: its depth, program units
    std::uint32_t move = 0;
};

struct DisplayList {
    std::vector<ScreenPoint> points;
    std::vector<Polyline> polylines;
    std::vector<Mark> marks;
};

struct DisplayOptions {
    std::optional<std::size_t> chosen;   // the move to highlight, with the tool at its end
    bool tool_axes = true;               // along a path whose tool axis changes
    double tool_axis_spacing = 24;       // pixels along the drawn path between them
    double tool_axis_length = 16;        // pixels, for an axis square to the screen
    double tool_length_without_one = 60; // pixels, for a tool of unknown length
};

// How far beyond the viewport lines are drawn before they are cut, in pixels.
constexpr double clip_margin = 4;

DisplayList build_display_list(const Plot& plot, const View& view, const Viewport& viewport,
                               const DisplayOptions& options = {});

// How many straight pieces draw an arc of radius `pixels` turning `turn` radians within a
// quarter pixel of round; at least 1, at most 4096.
int arc_pieces(double pixels, double turn);

// Calls point(Vector, PackedAxis) for each point between the start and the end of move i that
// its drawing goes through at a zoom of `scale` pixels a unit, in order: along an arc, or the
// samples of a turning move. The hole of a hole move is not among them.
template <typename Callback>
void for_each_inner_point(const Plot& plot, std::size_t i, double scale, Callback&& point);

template <typename Callback>
void for_each_inner_point(const Plot& plot, std::size_t i, double scale, Callback&& point) {
    const PlotMove& move = plot.move(i);
    if (move.shape() == Shape::arc) {
        const ArcData* arc = plot.arc_of(i);
        const auto start = plot.move_start(i);
        if (!arc || !start) return;
        const ArcFrame frame = arc_frame(*arc, *start, move.end_point());
        const int pieces =
            arc_pieces(std::max(frame.start_radius, frame.end_radius) * scale, frame.turn);
        for (int k = 1; k < pieces; ++k)
            point(frame.at(static_cast<double>(k) / pieces), move.axis);
    } else if (move.shape() == Shape::sampled) {
        const SampledPath* path = plot.sampled_path_of(i);
        if (!path) return;
        for (std::uint32_t k = 0; k < path->count; ++k) {
            const Sample& sample = plot.samples()[path->first + k];
            point(Vector{sample.point[0], sample.point[1], sample.point[2]}, sample.axis);
        }
    }
}

} // namespace backplot
