#include "core/rotate.h"
#include "outcome_text.h"

#include <gtest/gtest.h>

namespace rotate_calc {
namespace {

constexpr auto clw = PlusDirection::clockwise, cclw = PlusDirection::counter_clockwise;

TEST(Rotation, TheWorkedTableAndTheEdgeCases) {
    const std::wstring fails = L"ROTATION TRANSFORMATIONS: ";
    const std::pair<Fields, std::wstring> cases[] = {
        // The point 10, 20, 5 turned by 30 degrees about each axis, both ways.
        {{L"30", L"10", L"20", L"5", Axis::a, clw}, L"NXA=10;NYA=14.8205;NZA=14.3301;"},
        {{L"30", L"10", L"20", L"5", Axis::a, cclw}, L"NXA=10;NYA=19.8205;NZA=-5.6699;"},
        {{L"30", L"10", L"20", L"5", Axis::b, clw}, L"NXA=11.1603;NYA=20;NZA=-0.6699;"},
        {{L"30", L"10", L"20", L"5", Axis::b, cclw}, L"NXA=6.1603;NYA=20;NZA=9.3301;"},
        {{L"30", L"10", L"20", L"5", Axis::c, clw}, L"NXA=-1.3397;NYA=22.3205;NZA=5;"},
        {{L"30", L"10", L"20", L"5", Axis::c, cclw}, L"NXA=18.6603;NYA=12.3205;NZA=5;"},
        // π as 3.14159265 leaves cos 90° above zero.
        {{L"90", L"100000", L"0", L"0", Axis::c, clw}, L"NXA=0.0002;NYA=100000;NZA=0;"},
        // Angle 0 and a full turn give the point back, rounded; a negative angle turns back.
        {{L"0", L"1.23456", L"-2.00004", L"3", Axis::a, clw}, L"NXA=1.2346;NYA=-2;NZA=3;"},
        {{L"360", L"10", L"20", L"5", Axis::b, cclw}, L"NXA=10;NYA=20;NZA=5;"},
        {{L"-30", L"10", L"20", L"5", Axis::b, cclw}, L"NXA=11.1603;NYA=20;NZA=-0.6699;"},
        // Every failure names the field or the result and writes nothing.
        {{L"30", L"1", L"two", L"3", Axis::c, clw},
         fails + L"The field \"Y-Axis\" does not hold a number: \"two\"."},
        {{L"0", L"300000", L"0", L"0", Axis::c, clw},
         fails + L"The result \"New X-Axis\" is 300000, too large to show: results must lie "
                 L"between -214748.3648 and 214748.3647."},
    };
    for (const auto& [fields, expected] : cases)
        EXPECT_EQ(numbers::testing::outcome_text(compute(fields, L'.')), expected);
    EXPECT_EQ(
        numbers::testing::outcome_text(compute({L"30", L"10,5", L"20", L"5", Axis::c, clw}, L',')),
        L"NXA=-0,9067;NYA=22,5705;NZA=5;");
}

} // namespace
} // namespace rotate_calc
