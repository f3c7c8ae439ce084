#include "machine/kinematics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <optional>

namespace machine {
namespace {

const RotaryLimits wide{-110, 110, -360, 360};

TEST(HeadAngles, FromTheToolAxis) {
    const double s = std::sqrt(0.5);
    const struct {
        Vector axis;
        HeadAngles previous;
        RotaryLimits limits;
        std::optional<HeadAngles> expected;
    } cases[] = {
        {{0, 0, 1}, {20, 135}, wide, {{0, 135}}},                // vertical: C stays where it was
        {{0, s, s}, {0, 0}, wide, {{45, 90}}},                   // towards +Y
        {{-s, 0, s}, {0, 0}, wide, {{-45, 0}}},                  // towards -X: tilt back, no turn
        {{-s, 0, s}, {0, 170}, wide, {{45, 180}}},               // ... unless C is near 180 already
        {{-s, 0, s}, {0, 10}, {0, 110, -360, 360}, {{45, 180}}}, // no negative tilt allowed
        {{0.5, -0.5, s}, {0, 350}, wide, {{45, 315}}},           // C nearest its previous turn
        {{0.5, 0.5, s}, {0, 350}, {0, 110, -360, 360}, {{45, 45}}}, // 405 is beyond C_MAX
        {{0.5, 0.5, -s}, {0, 0}, wide, std::nullopt},               // B 135 is beyond B_MAX
    };
    for (const auto& c : cases) {
        const auto angles = head_angles(c.axis, c.previous, c.limits);
        const auto row = &c - cases;
        ASSERT_EQ(angles.has_value(), c.expected.has_value()) << "row " << row;
        if (!angles) continue;
        EXPECT_NEAR(angles->b, c.expected->b, 1e-9) << "row " << row;
        EXPECT_NEAR(angles->c, c.expected->c, 1e-9) << "row " << row;
    }
}

TEST(PivotPoint, IsTheTranslationCalculatorsProgramPoint) {
    // The translation calculator's worked example, with the origin already subtracted from
    // the tip: tip (10, 20, 5) - origin (1, 2, 3), tool length 4.5, pivot distance 12.25.
    const Vector p = pivot_point({9, 18, 2}, {0.267261, 0.534522, 0.801784}, 4.5, 12.25);
    EXPECT_DOUBLE_EQ(p.x, 13.47662175);
    EXPECT_DOUBLE_EQ(p.y, 26.9532435);
    EXPECT_DOUBLE_EQ(p.z, 15.429882);
}

// The tool axis (0, sin 30, cos 30) at the tip (10, 0, 0), on each kind, by hand:
// - HEAD_BC: B = acos(cos 30) = 30, C = atan2(0.5, 0) = 90; the pivot lies 150 (tool 50, pivot
//   distance 100) up the axis: (10, 75, 129.904). Its mirror B-30 C-90 has the same pivot.
// - TABLE_AC with the A axis through Y0 Z-100: C = atan2(i, j) = 0 brings the axis into YZ,
//   A = atan2(0.5, cos 30) = 30 stands it up; the tip turned by A about the A axis:
//   (10, 0 cos 30 - 100 sin 30, -100 + 100 cos 30) = (10, -50, -13.397). Its mirror A-30
//   C-180 (as near to C0 as C180) turns the tip to (-10, 0, 0) first, then to
//   (-10, 50, -13.397).
// - HEAD_B_TABLE_C: C = atan2(-j, i) = -90 turns the axis to (0.5, 0, cos 30), B = 30; the
//   tip turned by C is (0, -10, 0), the pivot 150 up the head: (75, -10, 129.904). Its mirror
//   B-30 C90: (0, 10, 0) and (-75, 10, 129.904).
// The mirror is chosen when the limits leave out the first solution.
TEST(Kinematics, EachKindAtATiltedAxisAndAtItsLimit) {
    const double k = std::cos(30 * std::numbers::pi / 180);
    const Settings head{.pivot_distance = 100};
    Settings table{.kinematics = Kind::table_ac, .a_axis_z = -100}, mixed = head;
    mixed.kinematics = Kind::head_b_table_c;
    Settings head_mirror = head, table_mirror = table, mixed_mirror = mixed;
    head_mirror.b_max = table_mirror.a_max = mixed_mirror.b_max = 0;
    const struct {
        const Settings& settings;
        double tilt, c;
        Vector linear;
    } rows[] = {
        {head, 30, 90, {10, 75, 150 * k}},
        {head_mirror, -30, -90, {10, 75, 150 * k}},
        {table, 30, 0, {10, -50, -100 + 100 * k}},
        {table_mirror, -30, -180, {-10, 50, -100 + 100 * k}},
        {mixed, 30, -90, {75, -10, 150 * k}},
        {mixed_mirror, -30, 90, {-75, 10, 150 * k}},
    };
    const ToolPose pose{{10, 0, 0}, {0, 0.5, k}};
    for (const auto& row : rows) {
        const Kinematics kinematics(row.settings);
        const int index = static_cast<int>(&row - rows);
        const auto axes = kinematics.inverse(pose, {}, 50);
        ASSERT_TRUE(axes) << index;
        EXPECT_NEAR(kinematics.uses('A') ? axes->a : axes->b, row.tilt, 1e-9) << index;
        EXPECT_NEAR(axes->c, row.c, 1e-9) << index;
        EXPECT_NEAR(geometry::distance(axes->linear, row.linear), 0, 1e-9) << index;
        const ToolPose back = kinematics.forward(*axes, 50);
        EXPECT_NEAR(geometry::distance(back.tip, pose.tip), 0, 1e-9) << index;
        EXPECT_NEAR(geometry::distance(back.axis, pose.axis), 0, 1e-12) << index;
    }
}

// On every kind, over moves that tilt, turn or both, the tip strays no farther than the
// bound says, and the bound is no more than a few times too large.
TEST(Kinematics, TheTipStraysNoFartherThanTheBound) {
    Settings head{.pivot_distance = 150, .c_min = -9999, .c_max = 9999};
    Settings table = head, mixed = head;
    table.kinematics = Kind::table_ac;
    table.a_axis_z = -50;
    table.c_axis_x = 20;
    mixed.kinematics = Kind::head_b_table_c;
    const Axes moves[][2] = {
        {{.b = 10}, {.linear = {5, 5, 0}, .b = 10, .c = 22.5}}, // a swarf corner
        {{.b = -20}, {.b = 40}},                                // a tilt through 0
        {{.b = 80, .c = 10}, {.linear = {10, 0, 0}, .b = 100, .c = 70}},
        // far along the table's A axis, where only the turn of C bends the path
        {{.linear = {-300, 3, -48}, .b = -60, .c = -180},
         {.linear = {-300, 4, -46}, .b = -45, .c = -270}},
    };
    for (const Settings* settings : {&head, &table, &mixed}) {
        const Kinematics kinematics(*settings);
        for (const auto& move : moves) {
            Axes from = move[0], to = move[1];
            if (kinematics.uses('A')) {
                std::swap(from.a, from.b);
                std::swap(to.a, to.b);
                from.linear.x += 60; // away from the turn's axis, where turning bends most
                to.linear.x += 60;
            }
            const ToolPose start = kinematics.forward(from, 90), end = kinematics.forward(to, 90);
            double worst = 0;
            for (int i = 1; i < 100; ++i) {
                const double t = i / 100.0;
                Axes at = to;
                at.linear = geometry::lerp(from.linear, to.linear, t);
                at.a = from.a + (to.a - from.a) * t;
                at.b = from.b + (to.b - from.b) * t;
                at.c = from.c + (to.c - from.c) * t;
                worst = std::max(worst, geometry::distance_to_segment(
                                            kinematics.forward(at, 90).tip, start.tip, end.tip));
            }
            const double bound = kinematics.straying_bound(from, to, 90);
            EXPECT_LE(worst, bound) << machine::kind_name(settings->kinematics) << " " << to.c;
            EXPECT_GT(worst, bound / 8) << machine::kind_name(settings->kinematics) << " " << to.c;
        }
    }
}

} // namespace
} // namespace machine
