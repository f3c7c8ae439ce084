#include "core/layout_rule.h"

#include <gtest/gtest.h>

#include <map>

namespace workbench {
namespace {

// The value the rule gives each control's property, the last assignment winning.
using Values = std::map<std::pair<std::wstring, Property>, int>;

Values values_of(const std::vector<LayoutStep>& steps) {
    Values values;
    for (const auto& step : steps)
        values[{std::wstring(step.control), step.property}] = step.value;
    return values;
}

TEST(LayoutRule, MovesNothingAtOrBelowSevenThousandTwipsOnEitherSide) {
    const std::pair<double, double> small_sizes[] = {{7000, 7000},   {7000, 20000}, {20000, 7000},
                                                     {6999.5, 9000}, {2400, 420},   {0, 0},
                                                     {-5, 9000}};
    for (const auto& [width, height] : small_sizes)
        EXPECT_TRUE(layout_steps(width, height).empty()) << width << " x " << height;
    EXPECT_FALSE(layout_steps(7000.5, 7000.5).empty());
}

TEST(LayoutRule, FollowsTheWindowAtTheWorkedSizes) {
    using enum Property;
    const struct {
        double width, height;
        Values expected;
    } cases[] = {
        // The reference size: design places, the bottom row 120 twips higher.
        {12495,
         8490,
         {{{L"FilAPT", width}, 8055},
          {{L"FilAPT", height}, 5370},
          {{L"CmbType", top}, 7440},
          {{L"Label3", top}, 7200},
          {{L"DrivePP", left}, 9600},
          {{L"CmdExit", left}, 10680},
          {{L"Line3", x1}, 12240},
          {{L"Line2", x2}, 12240}}},
        // The smallest size above the thresholds: nothing comes out zero or negative.
        {7005,
         7005,
         {{{L"CmbType", width}, 285},
          {{L"FilAPT", width}, 2565},
          {{L"FilAPT", height}, 3885},
          {{L"CmdPost", left}, 5190}}},
        // 1920 pixels at 15 twips a pixel.
        {28800,
         8490,
         {{{L"CmdPost", left}, 26985},
          {{L"Line3", x1}, 28545},
          {{L"Line6", x2}, 28545},
          {{L"FilPosts", left}, 24585},
          {{L"DriveAPT", top}, 7440}}},
        // Beyond 16-bit twips the same formulas hold instead of wrapping round.
        {60000,
         50000,
         {{{L"Line3", x1}, 59745},
          {{L"FilAPT", height}, 46880},
          {{L"CmbType", top}, 48950},
          {{L"CmdUser3", left}, 58185}}},
        // Halves of a twip round to the even neighbour.
        {12496.5, 8491.5, {{{L"FilAPT", width}, 8057}, {{L"FilAPT", height}, 5372}}},
    };
    for (const auto& c : cases) {
        const auto values = values_of(layout_steps(c.width, c.height));
        for (const auto& [key, value] : c.expected)
            EXPECT_EQ(values.at(key), value)
                << c.width << " x " << c.height << ": " << testing::PrintToString(key.first);
    }
}

TEST(LayoutRule, GrowingOnlyTheHeightMovesNothingSideways) {
    const auto reference = values_of(layout_steps(12495, 8490));
    const auto taller = values_of(layout_steps(12495, 10490));
    for (const auto& [key, value] : reference) {
        const bool vertical = key.second == Property::top || key.second == Property::height;
        EXPECT_EQ(taller.at(key), vertical ? value + 2000 : value)
            << testing::PrintToString(key.first);
    }
}

} // namespace
} // namespace workbench
