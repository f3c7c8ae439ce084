#include "core/layout_rule.h"

#include <gtest/gtest.h>

namespace workbench {
namespace {

TEST(LayoutRule, FollowsTheWindowAtTheWorkedSizesAndNotAtOrBelowSevenThousandTwips) {
    EXPECT_TRUE(layout_steps(7000, 20000).empty());
    EXPECT_TRUE(layout_steps(20000, 7000).empty());
    using enum Property;
    const struct {
        double width, height;
        const wchar_t* control;
        Property property;
        int value;
    } cases[] = {
        // The reference size: design places, the bottom row 120 twips higher.
        {12495, 8490, L"FilAPT", width, 8055},
        {12495, 8490, L"CmbType", top, 7440},
        {12495, 8490, L"DrivePP", left, 9600},
        // The smallest size above the thresholds: nothing comes out zero or negative.
        {7005, 7005, L"CmbType", width, 285},
        {7005, 7005, L"FilAPT", height, 3885},
        // Beyond 16-bit twips the same formulas hold instead of wrapping round.
        {60000, 50000, L"Line3", x1, 59745},
        {60000, 50000, L"FilAPT", height, 46880},
        // Halves of a twip round to the even neighbour.
        {12496.5, 8491.5, L"FilAPT", width, 8057},
        {12496.5, 8491.5, L"FilAPT", height, 5372},
    };
    for (const auto& c : cases) {
        int value = 0; // the last assignment wins
        for (const auto& step : layout_steps(c.width, c.height))
            if (step.control == c.control && step.property == c.property) value = step.value;
        EXPECT_EQ(value, c.value) << c.width << " x " << c.height << ": "
                                  << testing::PrintToString(std::wstring(c.control));
    }
}

} // namespace
} // namespace workbench
