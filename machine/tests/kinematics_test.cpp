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

// B30 C90 points the tool along (0, sin 30, cos 30); the pivot lies 150 (tool 50, pivot
// distance 100) up that axis from the tip.
TEST(HeadBc, ForwardAndInverseMeetAtATiltedAxis) {
    const Kinematics head(Settings{.pivot_distance = 100});
    const ToolPose pose{{10, 0, 0}, {0, 0.5, std::sqrt(0.75)}};
    const auto axes = head.inverse(pose, {}, 50);
    ASSERT_TRUE(axes);
    EXPECT_NEAR(axes->b, 30, 1e-12);
    EXPECT_NEAR(axes->c, 90, 1e-12);
    EXPECT_NEAR(axes->linear.y, 75, 1e-12);
    EXPECT_NEAR(axes->linear.z, 150 * std::sqrt(0.75), 1e-12);
    const ToolPose back = head.forward(*axes, 50);
    EXPECT_NEAR(geometry::distance(back.tip, pose.tip), 0, 1e-12);
    EXPECT_NEAR(geometry::distance(back.axis, pose.axis), 0, 1e-12);
}

// The bound holds over moves that tilt, turn or both, and is not loose by more than the
// sin B it takes at its worst.
TEST(HeadBc, TheTipStraysNoFartherThanTheBound) {
    const Kinematics head(Settings{.pivot_distance = 150, .c_min = -9999, .c_max = 9999});
    const Axes moves[][2] = {
        {{.b = 10}, {.linear = {5, 5, 0}, .b = 10, .c = 22.5}}, // a swarf corner
        {{.b = -20}, {.b = 40}},                                // a tilt through B0
        {{.b = 80, .c = 10}, {.linear = {10, 0, 0}, .b = 100, .c = 70}},
    };
    for (const auto& [from, to] : moves) {
        const ToolPose start = head.forward(from, 90), end = head.forward(to, 90);
        double worst = 0;
        for (int i = 1; i < 100; ++i) {
            Axes at = to;
            const double t = i / 100.0;
            at.linear = geometry::lerp(from.linear, to.linear, t);
            at.b = from.b + (to.b - from.b) * t;
            at.c = from.c + (to.c - from.c) * t;
            worst = std::max(
                worst, geometry::distance_to_segment(head.forward(at, 90).tip, start.tip, end.tip));
        }
        const double bound = head.straying_bound(from, to, 90);
        EXPECT_LE(worst, bound) << from.b << " " << to.b;
        EXPECT_GT(worst, bound / 4) << from.b << " " << to.b;
    }
}

} // namespace
} // namespace machine
