#include "core/layout_rule.h"

#include <gtest/gtest.h>

#include <map>

namespace workbench {
namespace {

// The value the rule gives each control's property, the last assignment winning.
using Values = std::map<std::pair<std::wstring, Property>, int>;

Values values_of(double width, double height) {
    Values values;
    for (const auto& step : layout_steps(width, height))
        values[{std::wstring(step.control), step.property}] = step.value;
    return values;
}

TEST(LayoutRule, FollowsTheWindowAtTheWorkedSizesAndNotAtOrBelowSevenThousandTwips) {
    EXPECT_TRUE(layout_steps(7000, 20000).empty());
    EXPECT_TRUE(layout_steps(20000, 7000).empty());
    using enum Property;
    const struct {
        double width, height;
        Values expected;
    } cases[] = {
        // The reference size: design places, the bottom row 120 twips higher.
        {12495,
         8490,
         {{{L"FilAPT", width}, 8055},
          {{L"CmbType", top}, 7440},
          {{L"DrivePP", left}, 9600},
          {{L"Line3", x1}, 12240}}},
        // The smallest size above the thresholds: nothing comes out zero or negative.
        {7005, 7005, {{{L"CmbType", width}, 285}, {{L"FilAPT", height}, 3885}}},
        // Beyond 16-bit twips the same formulas hold instead of wrapping round.
        {60000, 50000, {{{L"Line3", x1}, 59745}, {{L"FilAPT", height}, 46880}}},
        // Halves of a twip round to the even neighbour.
        {12496.5, 8491.5, {{{L"FilAPT", width}, 8057}, {{L"FilAPT", height}, 5372}}},
    };
    for (const auto& c : cases) {
        const auto values = values_of(c.width, c.height);
        for (const auto& [key, value] : c.expected)
            EXPECT_EQ(values.at(key), value)
                << c.width << " x " << c.height << ": " << testing::PrintToString(key.first);
    }
}

} // namespace
} // namespace workbench
