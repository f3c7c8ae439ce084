// A CL file read into a picture: the tip path as the CL reader gives it, and the status bar's
// numbers worked out by hand.

#include "load.h"
#include "status_texts.h"

#include <gtest/gtest.h>

#include <cmath>

namespace backplot {
namespace {

// Rapids at 10000 a minute. The lengths and minutes:
//   7  rapid 45
//   8  feed 5 at 200: 0.025 min;  9  feed 20: 0.1 min
//  11  half a circle of r 10 counter-clockwise about +Z through X30: 10 pi, 0.15708 min
//  12  up 10: 0.05 min
//  14  a hole 15 deep with a clearance of 3: rapid from (20, 20, 10) to (40, 20, 3),
//      sqrt(449) = 21.1896, feed 18 down (0.18 min at 100) and rapid 18 back up
//  15  rapid 20 over, feed 18 (0.18 min), rapid 18
//  18  in the frame turned a quarter about Z and moved to X100: (0, 0, 20) is (100, 0, 20),
//      sqrt(40^2 + 20^2 + 17^2) = 47.8435 from (60, 20, 3), 0.23922 min
//  19  (10, 0, 20) is (100, 10, 20): 10, 0.05 min
// Feed 5 + 20 + 10 pi + 10 + 36 + 47.8435 + 10 = 160.259; rapid 45 + 39.1896 + 38 = 122.19;
// time 0.98130 + 0.01222 = 0.99352 min, 59.6 s.
constexpr const char* every_word = "PARTNO TEST\n"
                                   "UNITS/MM\n"
                                   "LOADTL/3,LENGTH,50\n"
                                   "FEDRAT/200\n"
                                   "FROM/0,0,50\n"
                                   "RAPID\n"
                                   "GOTO/0,0,5\n"
                                   "GOTO/0,0,0\n"
                                   "GOTO/20,0,0\n"
                                   "CIRCLE/20,10,0,0,0,1,10\n"
                                   "GOTO/20,20,0\n"
                                   "GODLTA/0,0,10\n"
                                   "CYCLE/DRILL,15,MMPM,100,3\n"
                                   "GOTO/40,20,0\n"
                                   "GOTO/60,20,0\n"
                                   "CYCLE/OFF\n"
                                   "MSYS/100,0,0,0,1,0,-1,0,0\n"
                                   "GOTO/0,0,20\n"
                                   "GOTO/10,0,20\n"
                                   "FOOBAR/1\n"
                                   "GOTO/10,0\n"
                                   "FINI\n";

TEST(ClPlot, StatusOfEveryWord) {
    const Plot plot = load_plot(every_word);
    EXPECT_EQ(plot.kind(), FileKind::cl_file);
    EXPECT_EQ(extents_text(plot), "X 0..100  Y 0..20  Z -15..50");
    EXPECT_EQ(motion_text(plot), "Feed 160.259  Rapid 122.19  Time 0:01:00");
    EXPECT_EQ(warnings_text(plot), "2 warnings");
    ASSERT_EQ(plot.warnings().size(), 2u);
    EXPECT_EQ(plot.warnings()[0].line, 20);
    EXPECT_EQ(plot.warnings()[0].text, "unknown major word 'FOOBAR' is passed by");
    EXPECT_EQ(plot.warnings()[1].line, 21);
    EXPECT_EQ(plot.warnings()[1].text,
              "GOTO takes x, y, z or x, y, z, i, j, k, not 2 values: the record is passed by");
}

TEST(ClPlot, EachPositionDrawnWhereTheFileSays) {
    const Plot plot = load_plot(every_word);
    const struct {
        std::uint32_t line;
        Shape shape;
        Style style;
        Vector end;
    } rows[] = {
        {5, Shape::straight, Style::rapid, {0, 0, 50}}, // FROM: where the path starts
        {7, Shape::straight, Style::rapid, {0, 0, 5}},
        {8, Shape::straight, Style::feed, {0, 0, 0}},
        {9, Shape::straight, Style::feed, {20, 0, 0}},
        {11, Shape::arc, Style::feed, {20, 20, 0}},
        {12, Shape::straight, Style::feed, {20, 20, 10}},
        {14, Shape::hole, Style::rapid, {40, 20, 3}},
        {15, Shape::hole, Style::rapid, {60, 20, 3}},
        {18, Shape::straight, Style::feed, {100, 0, 20}},
        {19, Shape::straight, Style::feed, {100, 10, 20}},
    };
    ASSERT_EQ(plot.move_count(), std::size(rows));
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        EXPECT_EQ(plot.move(i).line, rows[i].line);
        EXPECT_EQ(plot.move(i).shape(), rows[i].shape) << rows[i].line;
        EXPECT_EQ(plot.move(i).style(), rows[i].style) << rows[i].line;
        EXPECT_NEAR(geometry::distance(plot.move(i).end_point(), rows[i].end), 0, 1e-5)
            << rows[i].line;
    }
    EXPECT_TRUE(plot.move(0).starts_path());
    const Vector halfway = arc_frame(*plot.arc_of(4), *plot.move_start(4), {20, 20, 0}).at(0.5);
    EXPECT_NEAR(geometry::distance(halfway, {30, 10, 0}), 0, 1e-5);
    const HoleData* hole = plot.hole_of(6);
    ASSERT_TRUE(hole);
    EXPECT_NEAR(geometry::distance({hole->top[0], hole->top[1], hole->top[2]}, {40, 20, 3}), 0,
                1e-5);
    EXPECT_NEAR(
        geometry::distance({hole->bottom[0], hole->bottom[1], hole->bottom[2]}, {40, 20, -15}), 0,
        1e-5);
    EXPECT_FLOAT_EQ(hole->depth, 15);
    ASSERT_EQ(plot.tool_changes().size(), 1u);
    EXPECT_EQ(plot.tool_changes()[0].move, 0u);
    EXPECT_EQ(plot.tool_changes()[0].tool, 3);
    EXPECT_EQ(plot.tool_length_at(5), 50);
}

// A helix about -X in inches, five-axis positions, and a clockwise circle.
TEST(ClPlot, UnitsToolAxesAndHelixes) {
    const Plot plot = load_plot("UNITS/INCHES\n"
                                "FEDRAT/IPM,10\n"
                                "GOTO/0,0,1,0,0.6,0.8\n" // the axis as the file gives it
                                "GOTO/0,0,2\n"           // keeps it
                                "MOVARC/0,0,0,-1,0,0,2\n"
                                "GOTO/1,2,0\n"); // a quarter about -X, 1 along X
    EXPECT_EQ(plot.units(), nc::Units::inch);
    EXPECT_TRUE(plot.tool_axis_varies() == false); // the same axis throughout
    ASSERT_EQ(plot.move_count(), 3u);
    const Vector axis = plot.move(1).axis.unpacked();
    EXPECT_NEAR(geometry::distance(axis, {0, 0.6, 0.8}), 0, 1e-4);
    // From (0, 0, 2) about -X, counter-clockwise seen from -X: towards +Y.
    const Vector halfway = arc_frame(*plot.arc_of(2), {0, 0, 2}, {1, 2, 0}).at(0.5);
    const double s = 2 * std::sqrt(0.5);
    EXPECT_NEAR(geometry::distance(halfway, {0.5, s, s}), 0, 1e-5);
    // hypot(pi, 1) inches at 10 a minute, and the inch before it.
    EXPECT_EQ(motion_text(plot), "Feed 4.297  Rapid 0  Time 0:00:26");
}

} // namespace
} // namespace backplot
