#pragma once
// How the readers of NC programs and CL files fill a Plot: moves in the part's frame, the
// tables aside, the box, the warnings. Within the library only.

#include "plot.h"

#include <span>

namespace backplot {

class PlotBuilder {
public:
    // Takes the text (kept by the plot for its lines) and indexes its lines.
    PlotBuilder(Plot& plot, FileKind kind, std::string text);

    const LineIndex& lines() const { return plot_.lines_; }
    std::string_view text() const { return plot_.text(); }
    void set_units(nc::Units units) { plot_.units_ = units; }
    void set_first_tool_length(double length) { plot_.first_tool_length_ = length; }
    void warn(std::int64_t line, std::string text);
    void note(std::string text);
    void set_message(std::string text) { plot_.message_ = std::move(text); }
    Motion& motion() { return plot_.motion_; }
    nc::Extents& ranges() { return plot_.ranges_; }
    // The ranges of X, Y and Z made those of the picture's box (a CL file's tip path).
    void ranges_from_box();

    // Where the last move ended; nothing before the first.
    bool has_position() const { return !plot_.moves_.empty(); }
    Vector position() const { return plot_.moves_.back().end_point(); }

    // A point where a path begins, without a line to it: the first known position, or one
    // after a move whose way cannot be drawn.
    void start_path(std::int64_t line, const Vector& at, const Vector& axis, Style style);
    void straight(std::int64_t line, const Vector& end, const Vector& axis, Style style);
    // From the position along the arc; normal: the unit direction about which it turns
    // counter-clockwise; centre: in the plane of the start.
    void arc(std::int64_t line, const Vector& centre, const Vector& normal, double rise,
             double turn, const Vector& end, const Vector& axis, Style style);
    // From the position through `points` (with their tool axes) to the end. Returns false,
    // drawing nothing, when the picture already holds as many such points as it may.
    bool sampled(std::int64_t line, std::span<const Vector> points, std::span<const Vector> axes,
                 const Vector& end, const Vector& axis, Style style);
    // From the position (or from nowhere: starts_path) to `end`, over the hole fed from `top`
    // to `bottom`.
    void hole(std::int64_t line, const Vector& end, const Vector& axis, const Vector& top,
              const Vector& bottom, double depth, bool starts_path);
    // Marks the next move as the first of the tool.
    void tool_change(std::int64_t line, int tool, double length);
    // The length of the tool last changed to, learnt after its change.
    void amend_tool_length(double length);

    // The most points along moves a picture holds (20 bytes each).
    static constexpr std::size_t most_samples = 8u << 20;

private:
    PlotMove& add(std::int64_t line, const Vector& end, const Vector& axis, Style style,
                  Shape shape, bool starts_path);

    Plot& plot_;
    bool axis_seen_ = false;
    PackedAxis first_axis_;
};

} // namespace backplot
