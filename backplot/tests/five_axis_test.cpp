// A five-axis NC program read with its machine's settings: every position becomes the tool tip
// and axis that the CL file had, through the head's kinematics and the tool's length.

#include "load.h"
#include "status_texts.h"

#include "machine/settings.h"

#include <gtest/gtest.h>

#include <cmath>

namespace backplot {
namespace {

// HEAD_BC with the pivot 150 above the spindle face: the program holds the pivot point, and
// the tip lies (tool length + 150) back along the tool axis (sin B cos C, sin B sin C, cos B).
// With T2 90 long the arm is 240: at B30 the tip lies 120 beside the pivot and 207.8461 below.
constexpr const char* five_axis = "(MACHINE HEAD_BC)\n"
                                  "(SETTINGS TEST.PPTABLE)\n"
                                  "G0 X0 Y0 Z300 B0 C0\n"
                                  "T2 M6\n"
                                  "(T2 LENGTH 90.)\n"
                                  "G0 X0 Y0 Z300\n"
                                  "G1 X10 F500\n"
                                  "G1 B30\n"
                                  "G1 C90\n"
                                  "G17 G2 X30 Y0 I10 J0\n";

TEST(FiveAxis, TheTipAndAxisAreTheClPositions) {
    const machine::Settings settings =
        machine::read_settings("PIVOT_DISTANCE = 150\nTOOL_LENGTH = 100\n");
    const Plot plot = load_plot(five_axis, {&settings});
    EXPECT_TRUE(plot.notes().empty());
    EXPECT_EQ(warnings_text(plot), "No warnings");
    EXPECT_EQ(extents_text(plot), "X 0..30  Y 0..10  Z 300..300  B 0..30  C 0..90");

    const double below = 300 - 240 * std::cos(std::numbers::pi / 6); // 92.1539
    // GOTO/x, y, z, i, j, k of the CL file each block comes from.
    const struct {
        std::uint32_t line;
        Shape shape;
        Vector tip, axis;
    } rows[] = {
        {3, Shape::straight, {0, 0, 50}, {0, 0, 1}}, // TOOL_LENGTH before any tool: arm 250
        {6, Shape::straight, {0, 0, 60}, {0, 0, 1}}, // the path starts again with T2
        {6, Shape::straight, {0, 0, 60}, {0, 0, 1}},
        {7, Shape::straight, {10, 0, 60}, {0, 0, 1}},
        {8, Shape::sampled, {-110, 0, below}, {0.5, 0, std::sqrt(0.75)}},
        {9, Shape::sampled, {10, -120, below}, {0, 0.5, std::sqrt(0.75)}},
        {10, Shape::arc, {30, -120, below}, {0, 0.5, std::sqrt(0.75)}},
    };
    ASSERT_EQ(plot.move_count(), std::size(rows));
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const PlotMove& move = plot.move(i);
        EXPECT_EQ(move.line, rows[i].line);
        EXPECT_EQ(move.shape(), rows[i].shape) << rows[i].line;
        EXPECT_NEAR(geometry::distance(move.end_point(), rows[i].tip), 0, 1e-4) << rows[i].line;
        EXPECT_NEAR(geometry::distance(move.axis.unpacked(), rows[i].axis), 0, 1e-4)
            << rows[i].line;
    }
    EXPECT_TRUE(plot.tool_axis_varies());
    EXPECT_EQ(plot.tool_length_at(0), 100);
    EXPECT_EQ(plot.tool_length_at(6), 90);

    // B turns 30 degrees: a point a degree; halfway at B15 the tip is 240 sin 15 beside the
    // pivot and 240 cos 15 below it.
    const SampledPath* tilt = plot.sampled_path_of(4);
    ASSERT_TRUE(tilt);
    EXPECT_EQ(tilt->count, 29u);
    const Sample& halfway = plot.samples()[tilt->first + 14];
    EXPECT_NEAR(geometry::distance({halfway.point[0], halfway.point[1], halfway.point[2]},
                                   {10 - 62.116570, 0, 300 - 231.822194}),
                0, 1e-4);
    // C turns 90: halfway at C45 the axis is (sin 30 cos 45, sin 30 sin 45, cos 30).
    const SampledPath* turn = plot.sampled_path_of(5);
    ASSERT_TRUE(turn);
    EXPECT_EQ(turn->count, 89u);
    const Sample& turned = plot.samples()[turn->first + 44];
    const double side = 120 * std::sqrt(0.5);
    EXPECT_NEAR(geometry::distance({turned.point[0], turned.point[1], turned.point[2]},
                                   {10 - side, -side, below}),
                0, 1e-4);
    // The arc with the head still is the programmed arc moved along the arm: halfway at the
    // programmed (20, 10), the tip at (20, 10 - 120).
    const Vector arc_halfway =
        arc_frame(*plot.arc_of(6), *plot.move_start(6), plot.move(6).end_point()).at(0.5);
    EXPECT_NEAR(geometry::distance(arc_halfway, {20, -110, below}), 0, 1e-4);
}

TEST(FiveAxis, AProgramForAnotherMachineIsWarnedOf) {
    const machine::Settings settings = machine::read_settings("KINEMATICS = TABLE_AC\n");
    const Plot plot = load_plot(five_axis, {&settings});
    ASSERT_GE(plot.warning_count(), 1u);
    EXPECT_EQ(plot.warnings()[0].line, 1);
    EXPECT_EQ(plot.warnings()[0].text,
              "the program was made for a HEAD_BC machine, the settings describe a TABLE_AC "
              "machine");
}

} // namespace
} // namespace backplot
