#pragma once
// A file read into a picture: its moves as the tool tip travels them, in the part's frame,
// each with the line it comes from; the file's lines for the window's text list; and what the
// status bar tells (the programmed axes' ranges, the lengths and time, the warnings).
//
// Memory is what limits a picture of a million blocks, so a move is 24 bytes: its end as
// floats, its tool axis in 16-bit parts, its style and shape, its line. Its start is the end
// of the move before it, unless it starts a path (after a position that is not known). What
// only some moves need stands aside, in tables ordered by move: an arc's centre and turn, the
// points along a move that turns a rotary axis, a hole's top and bottom, a tool change.

#include "chunked_vector.h"
#include "file_kind.h"
#include "geometry/vector.h"
#include "line_index.h"
#include "nc_reader/reader.h"

#include <cmath>
#include <cstdint>
#include <memory>
#include <numbers>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace backplot {

using geometry::Vector;

// How a move is drawn: a rapid dashed, a feed move, an inverse-time (G93) feed move in a
// colour of its own.
enum class Style : std::uint8_t { rapid, feed, inverse_time };

// What stands aside for a move: nothing (a straight line from its start), an arc, points along
// its way, or a drilled hole.
enum class Shape : std::uint8_t { straight, arc, sampled, hole };

// A unit direction in 16-bit parts: about 1/30000 of a radian, finer than a pixel shows.
struct PackedAxis {
    std::int16_t i = 0, j = 0, k = 32767;
    static PackedAxis of(const Vector& axis);
    Vector unpacked() const { return {i / 32767.0, j / 32767.0, k / 32767.0}; }
    bool operator==(const PackedAxis&) const = default;
};

struct PlotMove {
    float end[3]{};
    PackedAxis axis;
    std::uint8_t kind = 0;  // the style, the shape and whether it starts a path, in bits
    std::uint32_t line = 0; // counted from 1

    Vector end_point() const { return {end[0], end[1], end[2]}; }
    Style style() const { return static_cast<Style>(kind & 3); }
    Shape shape() const { return static_cast<Shape>(kind >> 2 & 3); }
    // No line leads to it: only its end is a point of the picture.
    bool starts_path() const { return (kind & 16) != 0; }
    void set_kind(Style style, Shape shape, bool starts_path) {
        kind = static_cast<std::uint8_t>(static_cast<int>(style) | static_cast<int>(shape) << 2 |
                                         (starts_path ? 16 : 0));
    }
};
static_assert(sizeof(PlotMove) == 24, "a million moves must stay within 24 MB");

// An arc or a helix from the move's start to its end: it turns by `turn` radians
// counter-clockwise about `normal` (unit) around `centre`, which lies in the start's plane,
// and rises by `rise` along `normal`. Its radius changes evenly from the start's to the end's,
// so that an end a little off the circle is still reached.
struct ArcData {
    std::uint32_t move = 0;
    float centre[3]{};
    float normal[3]{};
    float rise = 0;
    float turn = 0;
};

// The points between a move's start and end where the tool tip does not travel straight (a
// rotary axis turns): samples [first, first + count) of Plot::samples().
struct Sample {
    float point[3]{};
    PackedAxis axis;
};
struct SampledPath {
    std::uint32_t move = 0;
    std::uint32_t first = 0, count = 0;
};

// A drilled hole: the move ends over it at the level the tool returns to; the tool feeds from
// `top` (the R level) down to `bottom`; `depth` is the hole's depth in the program's units.
struct HoleData {
    std::uint32_t move = 0;
    float top[3]{}, bottom[3]{};
    float depth = 0;
};

// A tool change: marked where the move `move` begins.
struct ToolChange {
    std::uint32_t move = 0;
    std::uint32_t line = 0;
    int tool = 0;
    double length = 0; // from the tip to the spindle face; 0 when not known
};

struct Warning {
    std::int64_t line = 0;
    std::string text;
};

// The box the picture fills, in the part's frame.
struct Box {
    Vector min, max;
    bool empty = true;
    void add(const Vector& p);
    Vector centre() const { return geometry::lerp(min, max, 0.5); }
};

// Lengths of the programmed axes' motion (the tip's for a CL file) and the time estimate.
struct Motion {
    double feed_length = 0, rapid_length = 0;
    double minutes = 0;
};

// The path's geometry between two points of an arc, worked out once for drawing it.
struct ArcFrame {
    Vector centre, u, v, normal;
    double rise = 0, turn = 0, start_radius = 0, end_radius = 0;
    Vector at(double t) const;
    double length() const; // along the arc, helix included
};
ArcFrame arc_frame(const ArcData& arc, const Vector& start, const Vector& end);
// The arc's farthest points along X, Y and Z (where it turns back in each), each once.
template <typename Callback> void arc_turning_points(const ArcFrame& frame, Callback&& at);

class Plot {
public:
    FileKind kind() const { return kind_; }
    // Why nothing is plotted (not a text file, empty, neither NC nor CL), else empty.
    const std::string& message() const { return message_; }
    // What the reader wants the user to know that is no warning of a line, such as a picture
    // of the machine's axes for want of the machine's settings.
    const std::vector<std::string>& notes() const { return notes_; }
    nc::Units units() const { return units_; }

    // The file's lines, counted from 1, for the text list.
    std::size_t line_count() const { return lines_.count(); }
    std::string_view line(std::size_t n) const { return lines_.line(n); }
    std::string_view text() const { return text_ ? std::string_view(*text_) : std::string_view{}; }

    std::size_t move_count() const { return moves_.size(); }
    const PlotMove& move(std::size_t i) const { return moves_[i]; }
    const ChunkedVector<PlotMove>& moves() const { return moves_; }
    // Where move i begins; nothing for a move that starts a path.
    std::optional<Vector> move_start(std::size_t i) const;

    // The tables aside grow in smaller chunks than the moves: most pictures have few entries.
    using ArcTable = ChunkedVector<ArcData, 10>;
    using SampledPathTable = ChunkedVector<SampledPath, 10>;
    using SampleTable = ChunkedVector<Sample, 12>;
    using HoleTable = ChunkedVector<HoleData, 10>;
    const ArcTable& arcs() const { return arcs_; }
    const SampledPathTable& sampled_paths() const { return sampled_paths_; }
    const SampleTable& samples() const { return samples_; }
    const HoleTable& holes() const { return holes_; }
    const std::vector<ToolChange>& tool_changes() const { return tool_changes_; }
    // The entry of move i in its table, for a move of that shape.
    const ArcData* arc_of(std::size_t move) const;
    const SampledPath* sampled_path_of(std::size_t move) const;
    const HoleData* hole_of(std::size_t move) const;
    // The length of the tool that makes move i; 0 when not known. Before the first tool change,
    // the length the machine's settings give.
    double tool_length_at(std::size_t move) const;

    // Whether the tool axis changes anywhere: a five-axis picture shows it along the path.
    bool tool_axis_varies() const { return tool_axis_varies_; }
    const Box& box() const { return box_; }

    // The programmed axes' ranges, arcs' bulges included (for a CL file, the tip's X, Y, Z).
    const nc::Extents& ranges() const { return ranges_; }
    const Motion& motion() const { return motion_; }
    std::size_t warning_count() const { return warning_count_; }
    // The first warnings, at most stored_warnings of them, in the order of their lines.
    const std::vector<Warning>& warnings() const { return warnings_; }
    static constexpr std::size_t stored_warnings = 10000;

    // What the plot holds in memory: the text, its line index, the moves and the tables.
    std::size_t bytes_held() const;

private:
    friend class PlotBuilder;

    FileKind kind_ = FileKind::empty;
    std::string message_;
    std::vector<std::string> notes_;
    nc::Units units_ = nc::Units::millimetre;
    std::unique_ptr<const std::string> text_; // kept where it is: lines_ points into it
    LineIndex lines_;
    ChunkedVector<PlotMove> moves_;
    ArcTable arcs_;
    SampledPathTable sampled_paths_;
    SampleTable samples_;
    HoleTable holes_;
    std::vector<ToolChange> tool_changes_;
    double first_tool_length_ = 0;
    bool tool_axis_varies_ = false;
    Box box_;
    nc::Extents ranges_;
    Motion motion_;
    std::size_t warning_count_ = 0;
    std::vector<Warning> warnings_;
};

template <typename Callback> void arc_turning_points(const ArcFrame& frame, Callback&& at) {
    if (frame.turn <= 0) return;
    const double u[3] = {frame.u.x, frame.u.y, frame.u.z}, v[3] = {frame.v.x, frame.v.y, frame.v.z};
    for (int k = 0; k < 3; ++k) {
        if (u[k] == 0 && v[k] == 0) continue;
        // cos(a) u + sin(a) v is largest along k at a = atan2(v, u), smallest half a turn on.
        double angle = std::atan2(v[k], u[k]);
        for (int side = 0; side < 2; ++side, angle += std::numbers::pi) {
            double a = std::fmod(angle, 2 * std::numbers::pi);
            if (a < 0) a += 2 * std::numbers::pi;
            if (a <= frame.turn) at(frame.at(a / frame.turn));
        }
    }
}

} // namespace backplot
