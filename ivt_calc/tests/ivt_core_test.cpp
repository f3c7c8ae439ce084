#include "core/ivt.h"
#include "outcome_text.h"

#include <gtest/gtest.h>

namespace ivt_calc {
namespace {

using numbers::testing::outcome_text;

using P = PositionTexts;
const P zero{L"0", L"0", L"0", L"0"}, ones{L"1", L"1", L"1", L"0"}; // the start positions

std::wstring number(P previous, P current, std::wstring feed, RotaryAxis axis = RotaryAxis::none,
                    bool in_seconds = false, wchar_t separator = L'.') {
    return outcome_text(
        compute_number({previous, current, feed, L"", axis, in_seconds}, separator));
}

std::wstring feed(P previous, P current, std::wstring number) {
    return outcome_text(compute_feed({previous, current, L"", number}, L'.'));
}

TEST(Computations, WorkedExamplesEdgeCasesAndFailures) {
    const std::wstring fails = L"Inverse Time Feed: ",
                       missing = L"Value missing: Please enter value for ";
    const std::pair<std::wstring, std::wstring> cases[] = {
        // No option chosen counts as minutes.
        {number(zero, ones, L"12"),
         L"Label6=Time (Min.);DX=1;DY=1;DZ=1;DR=0;Dist=1.7321;Time=0.1443;IVT=6.9282;"},
        {number(zero, ones, L"12", RotaryAxis::none, true),
         L"Label6=Time (Sec.);DX=1;DY=1;DZ=1;DR=0;Dist=1.7321;Time=8.6603;IVT=0.1155;"},
        {number({L"2", L"0", L"1,5", L"0"}, {L"3", L"1", L"2", L"30"}, L"40", RotaryAxis::b, false,
                L','),
         L"Label6=Time (Min.);DX=1;DY=1;DZ=0,5;DR=1,5984;Dist=2,192;Time=0,0548;IVT=18,248;"},
        {number({L"10", L"0", L"0", L"90"}, {L"10", L"0", L"0", L"0"}, L"12"),
         L"Label6=Time (Min.);DX=0;DY=0;DZ=0;DR=-15.708;Dist=15.708;Time=1.309;IVT=0.7639;"},
        {feed(zero, ones, L"6.9282"), L"DX=1;DY=1;DZ=1;Dist=1.7321;Time=0.1443;FR=12;"},
        // No rotary term: the rotary texts are not even read.
        {feed({L"2", L"0", L"1.5", L"abc"}, {L"3", L"1", L"2", L""}, L"0.1"),
         L"DX=1;DY=1;DZ=0.5;Dist=1.5;Time=10;FR=0.15;"},
        {feed(ones, ones, L"4"), L"DX=0;DY=0;DZ=0;Dist=0;Time=0.25;FR=0;"},

        {number({L"0", L"0", L"0", L""}, ones, L"12"),
         fails + L"The field \"Previous Rotary Axis\" is empty. Please enter a number."},
        {number(zero, ones, L"-0"), fails + L"The field \"UPM Feed\" is 0. It must be greater "
                                            L"than zero: at no feed the cut would never end."},
        // A rotary delta on the rotary axis itself is no move either.
        {number({L"0", L"2", L"0", L"0"}, {L"0", L"2", L"0", L"45"}, L"12"),
         fails +
             L"The cut distance is 0: the move from the previous to the current position has "
             L"no length, so it has no time and no 1/T FRN. Please enter positions that differ."},
        // The last result out of range: the ones before it are not written either.
        {number(zero, {L"0.0001", L"0", L"0", L"0"}, L"60000"),
         fails + L"The result \"1/T FRN\" is 600000000, too large to show: results must lie "
                 L"between -214748.3648 and 214748.3647."},
        {feed(zero, ones, L"-0.5"), fails + L"The field \"1/T FRN\" is -0.5. It must be greater "
                                            L"than zero: its inverse is the time for the cut."},
        {feed(zero, {L"3000", L"0", L"0", L"0"}, L"1000"),
         fails + L"The result \"UPM Feed\" is 3000000, too large to show: results must lie between "
                 L"-2147483.648 and 2147483.647."},
        // Only the first empty one of the positions, then the feed, is told; the rotary
        // fields are not checked for it.
        {number({}, {}, L""), missing + L"Previous X-axis."},
        {feed({L"1", L"1", L"", L""}, ones, L""), missing + L"Previous Z-axis."},
        {number(ones, {L"1", L"", L"", L""}, L""), missing + L"Current Y-axis."},
        {number(ones, {L"1", L"1", L"1", L""}, L""), missing + L"UPM Feed."},
        {feed(ones, {L"1", L"1", L"1", L""}, L""), missing + L"1/T FRN."},
    };
    for (const auto& [shown, expected] : cases)
        EXPECT_EQ(shown, expected);
    // A quarter turn at (3, 4, 0), 4, 3 and 5 from the X, Y and Z axes; no option turns as B.
    for (const auto& [axis, arc] : {std::pair{RotaryAxis::a, L"6.2832"},
                                    {RotaryAxis::b, L"4.7124"},
                                    {RotaryAxis::c, L"7.854"},
                                    {RotaryAxis::none, L"4.7124"}})
        EXPECT_TRUE(
            number({L"3", L"4", L"0", L"0"}, {L"3", L"4", L"0", L"90"}, L"12", axis)
                .starts_with(L"Label6=Time (Min.);DX=0;DY=0;DZ=0;DR=" + std::wstring(arc) + L";"));
}

} // namespace
} // namespace ivt_calc
