#include "nc_reader/reader.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <numbers>
#include <random>
#include <string>
#include <vector>

namespace nc {
namespace {

constexpr double pi = std::numbers::pi;
const double s = 5 * std::sqrt(2.0); // 10 cos 45 degrees
constexpr AxisSet xyz = 1u << x | 1u << y | 1u << z;

// Reads the lines and gives the last block's move.
Move last_move(Reader& reader, std::initializer_list<const char*> lines) {
    const Block* block = nullptr;
    for (const char* line : lines)
        block = &reader.read(line);
    EXPECT_TRUE(block && block->move) << *(lines.end() - 1);
    return block && block->move ? *block->move : Move{};
}

void expect_axes(const Axes& actual, const Axes& expected, const std::string& row) {
    for (int axis = 0; axis < axis_count; ++axis)
        EXPECT_NEAR(actual[axis], expected[axis], 1e-9) << row << ", axis " << axis;
}

TEST(Reader, ModalCodes) {
    const struct {
        const char* line;
        Units units;
        Plane plane;
        FeedMode feed_mode;
        bool incremental;
        int work_offset;
    } rows[] = {
        {"%", Units::millimetre, Plane::xy, FeedMode::per_minute, false, 54}, // as it starts
        {"O1001 (PART)", Units::millimetre, Plane::xy, FeedMode::per_minute, false, 54},
        {"G20", Units::inch, Plane::xy, FeedMode::per_minute, false, 54},
        {"G21 G18", Units::millimetre, Plane::zx, FeedMode::per_minute, false, 54},
        {"g19 g91", Units::millimetre, Plane::yz, FeedMode::per_minute, true, 54},
        {"G17 G90 G93", Units::millimetre, Plane::xy, FeedMode::inverse_time, false, 54},
        {"G95 G55", Units::millimetre, Plane::xy, FeedMode::per_revolution, false, 55},
        {"G94 G59 G40 G49 G80", Units::millimetre, Plane::xy, FeedMode::per_minute, false, 59},
    };
    Reader reader;
    for (const auto& row : rows) {
        EXPECT_TRUE(reader.read(row.line).warnings.empty()) << row.line;
        EXPECT_EQ(reader.units(), row.units) << row.line;
        EXPECT_EQ(reader.plane(), row.plane) << row.line;
        EXPECT_EQ(reader.feed_mode(), row.feed_mode) << row.line;
        EXPECT_EQ(reader.incremental(), row.incremental) << row.line;
        EXPECT_EQ(reader.work_offset(), row.work_offset) << row.line;
    }
}

TEST(Reader, BlockWords) {
    Reader reader;
    const Block& b = reader.read(" /N120 T7 M6 S8000 M3 ( ROUGH ) G43 H7 G0 X 1.5 y-2 ; CHECK \r");
    EXPECT_TRUE(b.warnings.empty());
    EXPECT_EQ(b.line, 1);
    EXPECT_TRUE(b.deleted);
    EXPECT_EQ(b.number, 120);
    EXPECT_EQ(b.tool, 7);
    EXPECT_TRUE(b.tool_change);
    EXPECT_EQ(b.spindle_speed, 8000);
    EXPECT_EQ(b.m_codes, (std::vector<int>{6, 3}));
    EXPECT_EQ(b.comments, (std::vector<std::string_view>{"ROUGH", "CHECK"}));
    EXPECT_EQ(b.length_register, 7);
    EXPECT_EQ(reader.position()[x], 1.5);
    EXPECT_EQ(reader.position()[y], -2);
    EXPECT_EQ(reader.known(), 1u << x | 1u << y);

    EXPECT_EQ(reader.read("T3").tool, 3);
    EXPECT_EQ(reader.tool(), 7); // T3 waits for its M6
    EXPECT_EQ(reader.read("G4 P1500").dwell, 1.5);
    EXPECT_EQ(reader.read("G4 X2.5").dwell, 2.5);
    EXPECT_FALSE(reader.read("G4 X2.5").move); // X is the dwell, not a move
    EXPECT_TRUE(reader.read("M30").program_end);
    EXPECT_EQ(reader.read("M30").line, 7);
}

// Each arc's point halfway, worked out by hand from its centre, radius and the angle it
// turns (s = 10 cos 45 degrees).
TEST(Reader, ArcsInEachPlane) {
    const struct {
        const char* start;
        const char* arc;
        Axes halfway;
        double sweep;
    } rows[] = {
        // About the origin from +X to +Y counter-clockwise: halfway at 45 degrees.
        {"G17 G0 X10 Y0 Z0", "G3 X0 Y10 I-10 F100", {s, s, 0}, pi / 2},
        // Clockwise from +X to -Y: at -45 degrees.
        {"G17 G0 X10 Y0 Z0", "G2 X0 Y-10 I-10 F100", {s, -s, 0}, pi / 2},
        // G18 turns counter-clockwise from Z towards X, clockwise from Z towards -X.
        {"G18 G0 X0 Y0 Z10", "G3 Z0 X10 K-10 F100", {s, 0, s}, pi / 2},
        {"G18 G0 X0 Y0 Z10", "G2 Z0 X-10 K-10 F100", {-s, 0, s}, pi / 2},
        {"G18 G0 X0 Y0 Z10", "G2 Z0 X-10 R10 F100", {-s, 0, s}, pi / 2},
        // G19 from Y towards Z, and towards -Z.
        {"G19 G0 X0 Y10 Z0", "G3 Y0 Z10 J-10 F100", {0, s, s}, pi / 2},
        {"G19 G0 X0 Y10 Z0", "G2 Y0 Z-10 J-10 F100", {0, s, -s}, pi / 2},
        // R10: the quarter about the origin; R-10: three quarters about (10, 10), from -90
        // degrees to 180, halfway at 45.
        {"G17 G0 X10 Y0 Z0", "G3 X0 Y10 R10 F100", {s, s, 0}, pi / 2},
        {"G17 G0 X10 Y0 Z0", "G3 X0 Y10 R-10 F100", {10 + s, 10 + s, 0}, 3 * pi / 2},
        // Half a circle clockwise passes -Y.
        {"G17 G0 X10 Y0 Z0", "G2 X-10 Y0 R10 F100", {0, -10, 0}, pi},
        // A helix: Z and B halfway along with the angle.
        {"G17 G0 X10 Y0 Z0 B0", "G3 X0 Y10 Z-4 B90 I-10 F100", {s, s, -2, 0, 45}, pi / 2},
        // A full circle is on the far side halfway.
        {"G17 G0 X10 Y0 Z0", "G2 X10 Y0 I-10 F100", {-10, 0, 0}, 2 * pi},
    };
    for (const auto& row : rows) {
        Reader reader;
        reader.read(row.start);
        const Block& block = reader.read(row.arc);
        ASSERT_TRUE(block.move && block.move->kind == MoveKind::arc) << row.arc;
        EXPECT_TRUE(block.warnings.empty()) << row.arc;
        const Move& move = *block.move;
        EXPECT_NEAR(move.arc.sweep, row.sweep, 1e-12) << row.arc;
        EXPECT_NEAR(move.arc.radius, 10, 1e-12) << row.arc;
        expect_axes(point_at(move, 0.5), row.halfway, row.arc);
        expect_axes(point_at(move, 1), move.end, row.arc);
    }
}

// Each line after "G0 X0 Y0 Z0 F100": its warnings, and X as the rest of the block leaves it.
TEST(Reader, WarningsPassByWhatCannotBeRead) {
    const struct {
        const char* line;
        std::vector<std::string> warnings;
        double x;
    } rows[] = {
        {"G1 G68 X7 F100", {"unknown word 'G68' is passed by"}, 7},
        {"G1 G43.4 X7 F100", {"unknown word 'G43.4' is passed by"}, 7},
        {"G0 X7 e5 U1", {"unknown word 'e5' is passed by", "unknown word 'U1' is passed by"}, 7},
        {"G1 X7 Y1.2.3 F100", {"malformed number 'Y1.2.3' is passed by"}, 7},
        {"G1 X7 Y F100", {"'Y' has no number"}, 7},
        {"G0 X7 #5=1", {"unreadable '#5=1' is passed by"}, 7},
        {"G0 X7 Q2 I1", {"unused word 'I1' is passed by", "unused word 'Q2' is passed by"}, 7},
        {"G0 X7 X8", {"X is named twice: 'X8' is read"}, 8},
        {"N1.5 G0 X7", {"'N1.5' needs a whole number: it is passed by"}, 7},
        {"G0 X7 S-5", {"'S-5' must not be negative: it is passed by"}, 7},
        {"G0 X1234567890", {"number out of range 'X1234567890' is passed by"}, 0},
        {"G0 G1 X7 F100", {"'G1' overrides an earlier G-code of its group"}, 7},
        {"G0 X7 (OPEN", {"the comment has no ')': it runs to the end of the line"}, 7},
        {"G0 X7 M6", {"M6 without a tool: no T has been given"}, 7},
        {"G95 G1 X7", {"feed move without a feed rate (F)"}, 7}, // F100 was per minute
        {"G93 G1 X7", {"inverse time (G93) feed move without F"}, 7},
        {"G2 X7 F100", {"arc without a centre (I, J, K or R): read as a straight feed move"}, 7},
        {"G2 X0 R5 F100",
         {"R arc whose end is its start (no full circle with R): read as a straight feed move"},
         0},
        // Radius 3 at the start, 4 at the end; 7 apart with R3: 1 more than the diameter.
        {"G3 X7 I3 F100", {"the arc's end is 1 mm off its circle"}, 7},
        {"G3 X7 R3 F100", {"the arc's end is 1 mm off its circle"}, 7},
        {"G3 X7 I3.496 F100", {}, 7}, // 0.008 off: still on it
        {"G18 G81 X7 Z-1 R1 F100", {"G81 in G18: read in G17"}, 7},
        {"G81 X7 R1 F100", {"drilling cycle without Z: the hole has no depth"}, 7},
    };
    for (const auto& row : rows) {
        Reader reader;
        reader.read("G0 X0 Y0 Z0 F100");
        const Block& block = reader.read(row.line);
        EXPECT_EQ(block.warnings, row.warnings) << row.line;
        EXPECT_EQ(reader.position()[x], row.x) << row.line;
    }
}

TEST(Reader, DrillingCycles) {
    const struct {
        const char* line;
        MoveKind kind;
        Axes end;
        int code;
        double initial_level, r_level, bottom;
    } rows[] = {
        {"G90 G0 X0 Y0 Z50", MoveKind::rapid, {0, 0, 50}},
        {"G98 G81 X10 Y10 Z-5 R2 F100", MoveKind::cycle, {10, 10, 50}, 81, 50, 2, -5},
        {"X20", MoveKind::cycle, {20, 10, 50}, 81, 50, 2, -5},             // a hole more
        {"G99 G82 Y20 P500", MoveKind::cycle, {20, 20, 2}, 82, 50, 2, -5}, // back to R
        {"G83 Q3", MoveKind::cycle, {20, 20, 2}, 83, 50, 2, -5},           // drills where it is
        // G91: X from the hole, R from the initial level 50, Z from R.
        {"G91 X5 R-10 Z-20", MoveKind::cycle, {25, 20, 40}, 83, 50, 40, 20},
        {"G90 G1 X0 F50", MoveKind::linear, {0, 20, 40}}, // G1 ends the cycle
        {"G98 G81 X0 Y0 Z-1 R1", MoveKind::cycle, {0, 0, 40}, 81, 40, 1, -1},
        {"G80 X9", MoveKind::linear, {9, 0, 40}}, // G1 again, as before the cycle
        {"G81 X1 Z-1 R1", MoveKind::cycle, {1, 0, 40}, 81, 40, 1, -1},
        {"G80 G0 Z50", MoveKind::rapid, {1, 0, 50}},
    };
    Reader reader;
    for (const auto& row : rows) {
        const Block& block = reader.read(row.line);
        ASSERT_TRUE(block.move) << row.line;
        EXPECT_TRUE(block.warnings.empty()) << row.line;
        const Move& move = *block.move;
        EXPECT_EQ(move.kind, row.kind) << row.line;
        expect_axes(move.end, row.end, row.line);
        if (move.kind != MoveKind::cycle) continue;
        EXPECT_EQ(move.cycle.code, row.code) << row.line;
        EXPECT_EQ(move.cycle.initial_level, row.initial_level) << row.line;
        EXPECT_EQ(move.cycle.r_level, row.r_level) << row.line;
        EXPECT_EQ(move.cycle.bottom, row.bottom) << row.line;
        EXPECT_EQ(move.cycle.to_initial, row.end[z] == row.initial_level) << row.line;
    }
    const Move last_hole = last_move(reader, {"G81 X1 Y1 Z-1 R1 Q2 P250"});
    EXPECT_EQ(last_hole.cycle.q, 2);
    EXPECT_EQ(last_hole.cycle.p, 0.25);
}

TEST(Reader, UnknownPositions) {
    const struct {
        const char* line;
        AxisSet known;
        bool machine_coordinates;
        std::size_t warnings;
    } rows[] = {
        {"G0 X10 Y20", 1u << x | 1u << y, false, 0},
        {"G91 Z5", 1u << x | 1u << y, false, 1}, // incremental from an unknown Z
        {"G90 Z30", xyz, false, 0},
        {"G91 G28 Z0", 1u << x | 1u << y, true, 0},
        {"G53 G90 X0", 1u << y, true, 0},
        {"G91 G0 X5 Y5", 1u << y, false, 1},
        {"G98 G81 Y5 Z-1 R-2 F100", 1u << y, false, 1}, // the initial level is unknown
        {"G80 G90 X1 Z2", xyz, false, 0},
    };
    Reader reader;
    for (const auto& row : rows) {
        const Block& block = reader.read(row.line);
        ASSERT_TRUE(block.move) << row.line;
        EXPECT_EQ(block.move->known_end, row.known) << row.line;
        EXPECT_EQ(reader.known(), row.known) << row.line;
        EXPECT_EQ(block.move->machine_coordinates, row.machine_coordinates) << row.line;
        EXPECT_EQ(block.warnings.size(), row.warnings) << row.line;
    }
}

TEST(Reader, InchAndIncrementalPrograms) {
    const struct {
        const char* line;
        Units units;
        double x, y;
    } rows[] = {
        {"G0 X1 Y2", Units::inch, 1, 2},
        {"G21", Units::millimetre, 25.4, 50.8}, // the position held changes units
        {"G20 G91 G1 X.5 Y-1 F10", Units::inch, 1.5, 1},
        {"X.5", Units::inch, 2, 1},
    };
    Reader reader(Units::inch);
    for (const auto& row : rows) {
        reader.read(row.line);
        EXPECT_EQ(reader.units(), row.units) << row.line;
        EXPECT_NEAR(reader.position()[x], row.x, 1e-12) << row.line;
        EXPECT_NEAR(reader.position()[y], row.y, 1e-12) << row.line;
    }
}

TEST(Measures, LengthAndMinutes) {
    const struct {
        std::initializer_list<const char*> lines;
        double length, minutes; // at a rapid feed of 10000
    } rows[] = {
        {{"G0 X0 Y0 Z0", "G1 X3 Y4 F100"}, 5, 0.05},
        {{"G0 X0 Y0 Z0", "G0 X3 Y4"}, 5, 0.0005},
        {{"G0 X10 Y0 Z0", "G3 X0 Y10 I-10 F200"}, 5 * pi, 5 * pi / 200},
        {{"G0 X10 Y0 Z0", "G3 X0 Y10 Z-4 I-10 F200"},
         std::hypot(5 * pi, 4),
         std::hypot(5 * pi, 4) / 200},
        {{"G0 X0 Y0 Z0 B0", "G93 G1 X3 Y4 B90 F2"}, 5, 0.5},
        {{"G0 X0 Y0 Z0 S1000", "G95 G1 X3 Y4 F0.1"}, 5, 0.05},
        // Rapid: 50 across, 48 down to R, 12 out, 48 up; feed 12 down.
        {{"G0 X0 Y0 Z50", "G98 G81 X30 Y40 Z-10 R2 F100"}, 170, 158.0 / 10000 + 12.0 / 100},
        // Feed 12 down and 12 out, a dwell of 0.6 s, rapid 50 across and 48 down.
        {{"G0 X0 Y0 Z50", "G99 G89 X30 Y40 Z-10 R2 P600 F100"},
         122,
         98.0 / 10000 + 24.0 / 100 + 0.01},
        // From an unknown Z: 50 across, 12 down at feed and 12 out.
        {{"G0 X0 Y0", "G99 G81 X30 Y40 Z-10 R2 F100"}, 74, 62.0 / 10000 + 12.0 / 100},
        {{"G0 X0 Y0 Z0", "G28 Z10"}, 0, 0},
    };
    for (const auto& row : rows) {
        Reader reader;
        const Move move = last_move(reader, row.lines);
        const char* line = *(row.lines.end() - 1);
        EXPECT_NEAR(path_length(move), row.length, 1e-9) << line;
        EXPECT_NEAR(minutes(move, 10000), row.minutes, 1e-12) << line;
    }
}

// The arc about the origin from (-6, 8) to (6, 8) bulges up to Y 10 and nowhere else; the
// hole reaches down to Z -8; the first move's unknown start counts for nothing.
TEST(Measures, ExtentsHoldArcBulgesAndHoles) {
    Reader reader;
    Extents extents;
    for (const char* line :
         {"G0 X-6 Y8 Z5", "G1 Z0 F100", "G2 X6 Y8 I6 J-8", "G0 Z20", "G98 G81 X0 Y3 Z-8 R1"})
        extents.add(*reader.read(line).move);
    EXPECT_EQ(extents.seen, xyz);
    expect_axes(extents.min, {-6, 3, -8}, "min");
    expect_axes(extents.max, {6, 10, 20}, "max");
}

// Numbers are read as std::from_chars reads them, to the last bit, also beyond the fifteen
// digits that a double holds exactly.
TEST(Reader, NumbersAsFromChars) {
    std::vector<std::string> numbers = {"-.5",
                                        "+3.",
                                        "007",
                                        "0.1",
                                        "-0",
                                        "999999999.999",
                                        "0.000000000000000000000000123",
                                        "12345.678901234567"};
    // Up to six digits before the point and thirteen after it.
    std::mt19937_64 random(12345);
    for (int i = 0; i < 3000; ++i) {
        std::string number = i % 2 ? "-" : "";
        number += std::to_string(random() % 1000000);
        if (const int decimals = static_cast<int>(random() % 14)) {
            number += '.';
            for (int d = 0; d < decimals; ++d)
                number += static_cast<char>('0' + random() % 10);
        }
        numbers.push_back(number);
    }
    Reader reader;
    for (const std::string& number : numbers) {
        const std::string_view digits =
            std::string_view(number).substr(number[0] == '-' || number[0] == '+' ? 1 : 0);
        double expected = 0;
        std::from_chars(digits.data(), digits.data() + digits.size(), expected);
        if (number[0] == '-') expected = -expected;
        EXPECT_TRUE(reader.read("X" + number).warnings.empty()) << number;
        EXPECT_EQ(reader.position()[x], expected) << number;
    }
}

} // namespace
} // namespace nc
