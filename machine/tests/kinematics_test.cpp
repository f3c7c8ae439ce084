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

TEST(MoveDistance, AddsTheArcOfEachRotaryAxis) {
    // X 10, Z 0 turning a quarter about Y: an arc of 15.70795 there, 5 pi here.
    EXPECT_NEAR(move_distance({{10, 0, 0}, {0, 0}}, {{10, 0, 0}, {90, 0}}), 5 * std::numbers::pi,
                1e-12);
    // C turns about Z, so its radius comes from X and Y: 3-4-5 gives radius 5.
    EXPECT_NEAR(move_distance({{3, 4, 0}, {0, 0}}, {{3, 4, 0}, {0, -180}}), 5 * std::numbers::pi,
                1e-12);
}

} // namespace
} // namespace machine
