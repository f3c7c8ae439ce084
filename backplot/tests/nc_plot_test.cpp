// An NC program without machine settings read into a picture: each kind of move drawn where the
// program puts it, and the status bar's numbers worked out by hand.

#include "load.h"
#include "status_texts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace backplot {
namespace {

// Rapids at 10000 a minute without settings. The lengths and minutes of each move:
//   4  G0 to the start: its start is not known, so it has no length
//   5  feed 10 at F100: 0.1 min
//   6  XY half circle, r 10 about (0, 10) through X10: 10 pi = 31.4159, at F100 0.3142 min
//   7  ZX half circle clockwise about (Z0, X10) through Z-10: the same
//   8  YZ half circle clockwise about (Y30, Z0) through Z10: the same
//   9  a full turn of r 10 about (10, 40) down 5: hypot(20 pi, 5) = 63.0305, 0.6303 min
//  10  inverse time: 30 long, F2 is half a minute
//  11  rapid 15: 0.0015 min
//  12  G81 at X60: over 10 and down 8 to R at rapid, feed 22 to Z-20 (0.11 min at F200),
//      back 22 at rapid: rapid 40, 0.004 min
//  13  X70: over 10, feed 22, back 22: rapid 32, 0.0032 min
//  15  dwell 1.5 s: 0.025 min
// Feed 10 + 30 pi + 63.0305 + 30 + 44 = 241.278; rapid 15 + 40 + 32 = 87; time 2.4265 min,
// 145.6 s. Extents: X from 0 to 70 (holes), Y to 50 (the full turn's top), Z from -20 (the
// holes' bottom) to 10.
constexpr const char* every_kind = "%\n"
                                   "O1000 (ALL KINDS)\n"
                                   "G17 G21 G90 G94\n"
                                   "G0 X0 Y0 Z10\n"
                                   "G1 Z0 F100\n"
                                   "G3 X0 Y20 J10\n"
                                   "G18 G2 X20 Z0 I10\n"
                                   "G19 G2 Y40 Z0 J10\n"
                                   "G17 G3 X20 Y40 Z-5 I-10\n"
                                   "G93 G1 X50 F2\n"
                                   "G94 G0 Z10\n"
                                   "G81 G99 X60 Y40 Z-20 R2 F200\n"
                                   "X70\n"
                                   "G80\n"
                                   "G4 P1500\n"
                                   "M30\n";

TEST(NcPlot, StatusOfEveryKindOfMove) {
    const Plot plot = load_plot(every_kind);
    EXPECT_EQ(plot.kind(), FileKind::nc_program);
    EXPECT_EQ(extents_text(plot), "X 0..70  Y 0..50  Z -20..10");
    EXPECT_EQ(motion_text(plot), "Feed 241.278  Rapid 87  Time 0:02:26");
    EXPECT_EQ(warnings_text(plot), "No warnings");
    EXPECT_EQ(plot.notes().size(), 1u); // the picture is of the programmed axes
}

TEST(NcPlot, EachMoveDrawnAsProgrammed) {
    const Plot plot = load_plot(every_kind);
    const struct {
        std::uint32_t line;
        Shape shape;
        Style style;
        Vector end;
        Vector halfway; // along an arc
    } rows[] = {
        {4, Shape::straight, Style::rapid, {0, 0, 10}, {}},
        {5, Shape::straight, Style::feed, {0, 0, 0}, {}},
        {6, Shape::arc, Style::feed, {0, 20, 0}, {10, 10, 0}},
        {7, Shape::arc, Style::feed, {20, 20, 0}, {10, 20, -10}},
        {8, Shape::arc, Style::feed, {20, 40, 0}, {20, 30, 10}},
        {9, Shape::arc, Style::feed, {20, 40, -5}, {0, 40, -2.5}},
        {10, Shape::straight, Style::inverse_time, {50, 40, -5}, {}},
        {11, Shape::straight, Style::rapid, {50, 40, 10}, {}},
        {12, Shape::hole, Style::rapid, {60, 40, 2}, {}},
        {13, Shape::hole, Style::rapid, {70, 40, 2}, {}},
    };
    ASSERT_EQ(plot.move_count(), std::size(rows));
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const auto& row = rows[i];
        const PlotMove& move = plot.move(i);
        EXPECT_EQ(move.line, row.line);
        EXPECT_EQ(move.shape(), row.shape) << row.line;
        EXPECT_EQ(move.style(), row.style) << row.line;
        EXPECT_EQ(move.starts_path(), i == 0) << row.line;
        const Vector end = move.end_point();
        EXPECT_NEAR(geometry::distance(end, row.end), 0, 1e-5) << row.line;
        if (row.shape == Shape::arc) {
            const Vector halfway = arc_frame(*plot.arc_of(i), *plot.move_start(i), end).at(0.5);
            EXPECT_NEAR(geometry::distance(halfway, row.halfway), 0, 1e-5) << row.line;
        }
    }
    const HoleData* hole = plot.hole_of(8);
    ASSERT_TRUE(hole);
    EXPECT_FLOAT_EQ(hole->top[2], 2);
    EXPECT_FLOAT_EQ(hole->bottom[2], -20);
    EXPECT_FLOAT_EQ(hole->depth, 22);
    // The box of the picture holds the arcs' bulges and the holes.
    EXPECT_NEAR(geometry::distance(plot.box().min, {0, 0, -20}), 0, 1e-5);
    EXPECT_NEAR(geometry::distance(plot.box().max, {70, 50, 10}), 0, 1e-5);
}

// A program that moves before all of X, Y and Z are known, goes to the machine's home and
// comes back: its path starts again where its position is known again.
TEST(NcPlot, PathsStartWherePositionsAreKnown) {
    const Plot plot = load_plot("G0 X10 Y10\n"  // Z not known: nothing drawn
                                "Z5\n"          // the first point
                                "G1 X20 F100\n" // a line from it
                                "G53 Z0\n"      // Z to a machine position
                                "X30\n"         // Z still not known: not drawn
                                "Z5\n"          // a new path
                                "G1 X40\n");
    const struct {
        std::uint32_t line;
        bool starts_path;
    } rows[] = {{2, true}, {3, false}, {6, true}, {7, false}};
    ASSERT_EQ(plot.move_count(), std::size(rows));
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        EXPECT_EQ(plot.move(i).line, rows[i].line);
        EXPECT_EQ(plot.move(i).starts_path(), rows[i].starts_path) << rows[i].line;
    }
    // G1 holds on line 5: X feeds 10 there, though Z is not known, and its length counts.
    EXPECT_EQ(motion_text(plot), "Feed 30  Rapid 0  Time 0:00:18");
}

// What the reader cannot read is a warning of its line; the rest is drawn.
TEST(NcPlot, WarningsNameTheirLines) {
    const Plot plot = load_plot("G0 X0 Y0 Z0\n"
                                "G1 X10 Q5 F100\n"
                                "G1 X20 #1=2\n"
                                "G1 X30\n");
    ASSERT_EQ(plot.warning_count(), 2u);
    EXPECT_EQ(plot.warnings()[0].line, 2);
    EXPECT_EQ(plot.warnings()[0].text, "unused word 'Q5' is passed by");
    EXPECT_EQ(plot.warnings()[1].line, 3);
    EXPECT_EQ(warnings_text(plot), "2 warnings");
    EXPECT_EQ(plot.move_count(), 4u);
    EXPECT_EQ(extents_text(plot), "X 0..30  Y 0..0  Z 0..0");
}

TEST(StatusTexts, NumbersAndTimes) {
    const struct {
        double minutes;
        const char* text;
    } times[] = {{0, "0:00:00"},          {0.5 / 60, "0:00:01"}, // ties round away
                 {59.99 / 60, "0:01:00"}, {61, "1:01:00"},       {60 * 100 + 0.25, "100:00:15"},
                 {-3, "0:00:00"}};
    for (const auto& row : times)
        EXPECT_EQ(time_text(row.minutes), row.text) << row.minutes;

    // Three decimals at most, no "-0", no exponent, rotary axes only where they move.
    const Plot plot = load_plot("G0 X-0.0001 Y1234567.8916 Z-2.5 A0 B10 C5\n"
                                "G1 X0.0004 B-10.0006 F100\n");
    EXPECT_EQ(extents_text(plot),
              "X 0..0  Y 1234567.892..1234567.892  Z -2.5..-2.5  B -10.001..10");
}

TEST(StatusTexts, ChosenMoveAndEmptyPictures) {
    const Plot plot = load_plot("G0 X0 Y0 Z0\r\n(CUT)\r\nG1 X5 F100 (ALONG X)\r\n");
    EXPECT_EQ(chosen_move_text(plot, 1), "Line 3: G1 X5 F100 (ALONG X)");
    EXPECT_EQ(chosen_move_text(plot, std::nullopt), "");
    EXPECT_EQ(chosen_move_text(plot, 7), "");

    const std::string long_line = "G0 X0 Y0 Z0 (" + std::string(300, 'A') + ")";
    EXPECT_EQ(chosen_move_text(load_plot(long_line), 0),
              "Line 1: " + long_line.substr(0, max_line_text) + "...");

    const Plot nothing = load_plot("%\nM30\n");
    EXPECT_EQ(extents_text(nothing), "No moves");
    EXPECT_EQ(motion_text(nothing), "Feed 0  Rapid 0  Time 0:00:00");
}

} // namespace
} // namespace backplot
