#pragma once
// Reading an NC program back into moves, one line (one block) at a time, as a stream: the
// G-code that MILL5X writes and that Fanuc-style controls read.
//
// What it reads: G0 to G3 (arcs with I, J, K from the start, always incremental, or with R,
// negative for more than half a turn; a helix moves the plane's normal axis along), G4 (P in
// milliseconds, X in seconds), G17 to G19, G20/G21, G28 and G53 (the axes they name go to
// machine positions, unknown in the program's coordinates), G40 to G42 with D, G43/G44 with
// H and G49, G54 to G59, G73, G74, G76 and G80 to G89 with G98/G99, R, Q, P (in G17), G90/G91,
// G93/G94/G95, F, S, T, M codes, N block numbers, O program numbers, comments in brackets or
// after ';', block delete ('/' first: the block is read like any other and marked), '%', and
// the axes X, Y, Z, A, B, C. A number without a decimal point is read in whole units (X10
// is X10.). An unknown word, a G-code it does not know, a malformed number or an arc that
// does not close is a warning of its block, never a stop: the rest of the program is read.
//
// Positions are in the program's units (G20 inch, G21 millimetre; a switch converts the
// position held) and degrees for A, B and C. They are the programmed points: no tool
// length or cutter radius compensation is applied.

#include "geometry/vector.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nc {

enum class Units { millimetre, inch };
enum class Plane { xy = 17, zx = 18, yz = 19 };
enum class FeedMode { per_minute = 94, inverse_time = 93, per_revolution = 95 };

// The machine's axes by index.
enum Axis : int { x, y, z, a, b, c };
constexpr int axis_count = 6;
using Axes = std::array<double, axis_count>;
// A set of axes: bit (1 << axis) for each.
using AxisSet = unsigned;
constexpr AxisSet all_axes = (1u << axis_count) - 1;

enum class MoveKind { rapid, linear, arc, cycle };

struct ArcGeometry {
    Plane plane = Plane::xy;
    bool clockwise = false; // G2, seen from the positive side of the plane's normal axis
    // The centre, absolute, in the plane's first and second axis: G17 X and Y, G18 Z and X,
    // G19 Y and Z (so that counter-clockwise turns from the first towards the second).
    double centre_first = 0, centre_second = 0;
    double radius = 0; // from the start
    double sweep = 0;  // the angle turned, radians, greater than 0 (2 pi: a full circle)
};

struct CycleGeometry {
    int code = 81;            // 73, 74, 76 or 81 to 89
    double initial_level = 0; // Z where the cycle began
    double r_level = 0;       // absolute Z of the R plane
    double bottom = 0;        // absolute Z of the hole's bottom
    bool to_initial = false;  // G98: back to the initial level; G99: to the R level
    std::optional<double> q;  // peck depth (program units)
    std::optional<double> p;  // dwell at the bottom, seconds
};

struct Move {
    MoveKind kind = MoveKind::rapid;
    // Absolute program positions; only the axes in known_start and known_end mean anything.
    // For a cycle: start is the position before it, end the hole's X and Y at the level the
    // tool returns to.
    Axes start{}, end{};
    AxisSet known_start = 0, known_end = 0;
    FeedMode feed_mode = FeedMode::per_minute;
    double feed = 0; // the F that holds: units (or 1/min in G93, units/rev in G95); 0: none
    double spindle_speed = 0;         // the S that holds, rev/min (times a G95 feed); 0: none
    ArcGeometry arc;                  // kind arc
    CycleGeometry cycle;              // kind cycle
    bool machine_coordinates = false; // G28 or G53: its axes end unknown
};

struct Block {
    std::int64_t line = 0;                  // counted from 1
    bool deleted = false;                   // began with '/'
    std::optional<std::int64_t> number;     // N
    std::vector<std::string_view> comments; // without their brackets or ';', blanks trimmed
    std::optional<Move> move;
    std::optional<int> tool;             // T
    bool tool_change = false;            // M6
    std::optional<double> spindle_speed; // S
    std::vector<int> m_codes;            // as they stand, M6 included
    std::optional<int> length_register;  // H (with G43 or G44)
    std::optional<double> dwell;         // G4, seconds
    bool program_end = false;            // M2 or M30
    std::vector<std::string> warnings;   // what it could not read, without the line
};

class Reader {
public:
    explicit Reader(Units units = Units::millimetre);

    // Reads the next line, without its line end (a trailing CR is dropped). The block's
    // texts point into `text` and the block stays valid until the next call.
    const Block& read(std::string_view text);

    // The modal state after the last block read.
    Units units() const;
    Plane plane() const;
    FeedMode feed_mode() const;
    bool incremental() const;        // G91
    const Axes& position() const;    // absolute program position
    AxisSet known() const;           // the axes whose position is known
    std::optional<int> tool() const; // the tool in the spindle (T of the last M6)
    int work_offset() const;         // 54 to 59

private:
    struct Words; // one block's words as the line spells them (src/block_words.h)

    void start_block();
    void set_modes(Words& words);
    void set_units(Units units);
    void set_feed_mode(FeedMode mode);
    void run_motion(Words& words);
    Move& begin_move(MoveKind kind);
    AxisSet targets(Words& words, AxisSet named, Axes& end);
    void straight(Words& words, AxisSet named, MoveKind kind);
    void arc(Words& words, AxisSet named);
    void machine_move(Words& words, AxisSet named);
    void dwell(Words& words);
    void cycle_block(Words& words, AxisSet named);
    void set_cycle_levels(Words& words);
    void drill(Words& words, AxisSet named);
    void end_cycle();
    void check_feed(const Move& move);
    void finish(const Move& move);
    void warn(std::string text);

    // A drilling cycle's modal data, from its first block until G80 or G0 to G3 ends it.
    struct Drilling {
        int code = 0;             // 0: none (G80)
        double initial_level = 0; // Z where it began
        bool initial_known = false;
        std::optional<double> r_level, bottom, q, p; // absolute levels; P in seconds
        bool r_known = false, bottom_known = false;  // false in G91 from an unknown level
    };

    Block block_;
    Units units_;
    Plane plane_ = Plane::xy;
    FeedMode feed_mode_ = FeedMode::per_minute;
    bool incremental_ = false;
    Axes position_{};
    AxisSet known_ = 0;
    std::optional<int> tool_, selected_tool_; // in the spindle; the last T
    int work_offset_ = 54;
    int motion_ = 0;                // G0 to G3
    int cutter_compensation_ = 40;  // G40 to G42
    int length_compensation_ = 49;  // G43, G44 or G49
    bool return_to_initial_ = true; // G98 (or G99)
    double feed_ = 0;               // the F that holds in G94 and G95
    double inverse_time_feed_ = 0;  // this block's F in G93
    double spindle_speed_ = 0;
    Drilling drilling_;
};

// The position a fraction t (0 to 1) along a move, as the control moves it: a straight or
// rapid move moves every axis linearly; an arc turns about its centre in its plane while the
// normal axis and the rotary axes move linearly; a cycle is at its end for every t.
Axes point_at(const Move& move, double t);

// The length the tool's programmed point travels (X, Y and Z; arcs and helixes along their
// path; a cycle down to the bottom and back), and the minutes the move takes: rapids at
// rapid_feed, feed per minute along that length, per revolution at F times the spindle
// speed, inverse time 1/F, a cycle's feeds at F, its rapids at rapid_feed and its dwell. Axes
// that are not known at both ends count as not moving.
double path_length(const Move& move);
double minutes(const Move& move, double rapid_feed);

// The smallest box that holds every known position of the programmed axes: moves' ends,
// arcs' bulges, cycles' holes from their bottoms up to the levels they start from.
struct Extents {
    Axes min{}, max{};
    AxisSet seen = 0;
    void add(const Move& move);
};

} // namespace nc
