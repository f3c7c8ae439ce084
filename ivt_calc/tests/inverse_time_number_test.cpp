#include "core/inverse_time_number.h"

#include "outcome_printing.h"

#include <gtest/gtest.h>

namespace ivt {
namespace {

InverseTimeNumberInput move(PositionTexts previous, PositionTexts current, std::wstring feed,
                            RotaryAxis axis = RotaryAxis::none, bool in_seconds = false) {
    return {std::move(previous), std::move(current), std::move(feed), axis, in_seconds};
}

const InverseTimeNumberInput start_values =
    move({L"0", L"0", L"0", L"0"}, {L"1", L"1", L"1", L"0"}, L"12");

Writes shown(std::wstring caption, std::wstring dx, std::wstring dy, std::wstring dz,
             std::wstring dr, std::wstring dist, std::wstring time, std::wstring number) {
    return {{L"Label6", caption}, {L"DX", dx},     {L"DY", dy},     {L"DZ", dz},
            {L"DR", dr},          {L"Dist", dist}, {L"Time", time}, {L"IVT", number}};
}

TEST(InverseTimeNumber, WorkedExamplesAndEdgeCases) {
    const struct {
        const char* what;
        InverseTimeNumberInput input;
        wchar_t separator;
        Writes expected;
    } cases[] = {
        {"start values, minutes (also with no option chosen)", start_values, L'.',
         shown(L"Time (Min.)", L"1", L"1", L"1", L"0", L"1.7321", L"0.1443", L"6.9282")},
        {"start values, seconds",
         move({L"0", L"0", L"0", L"0"}, {L"1", L"1", L"1", L"0"}, L"12", RotaryAxis::none, true),
         L'.', shown(L"Time (Sec.)", L"1", L"1", L"1", L"0", L"1.7321", L"8.6603", L"0.1155")},
        {"rotary move", move({L"2", L"0", L"1.5", L"0"}, {L"3", L"1", L"2", L"30"}, L"40"), L'.',
         shown(L"Time (Min.)", L"1", L"1", L"0.5", L"1.5984", L"2.192", L"0.0548", L"18.248")},
        {"rotary move with the user's decimal comma",
         move({L"2", L"0", L"1,5", L"0"}, {L"3", L"1", L"2", L"30"}, L"40"), L',',
         shown(L"Time (Min.)", L"1", L"1", L"0,5", L"1,5984", L"2,192", L"0,0548", L"18,248")},
        {"rotary move on the rotary axis itself has no arc",
         move({L"0", L"0", L"0", L"0"}, {L"0", L"5", L"0", L"90"}, L"12"), L'.',
         shown(L"Time (Min.)", L"0", L"5", L"0", L"0", L"5", L"0.4167", L"2.4")},
        {"quarter turn at radius 10: arc 15.70795",
         move({L"10", L"0", L"0", L"0"}, {L"10", L"0", L"0", L"90"}, L"12"), L'.',
         shown(L"Time (Min.)", L"0", L"0", L"0", L"15.708", L"15.708", L"1.309", L"0.7639")},
        {"negative rotary delta: negative arc, same distance",
         move({L"10", L"0", L"0", L"90"}, {L"10", L"0", L"0", L"0"}, L"12"), L'.',
         shown(L"Time (Min.)", L"0", L"0", L"0", L"-15.708", L"15.708", L"1.309", L"0.7639")},
        {"ten-thousandfolds 312.5 and 937.5 round to even",
         move({L"0", L"0", L"0", L"0"}, {L"0.03125", L"0.09375", L"0", L"0"}, L"12"), L'.',
         shown(L"Time (Min.)", L"0.0312", L"0.0938", L"0", L"0", L"0.0988", L"0.0082",
               L"121.4315")},
        {"blanks around numbers are read",
         move({L" 0", L"0 ", L"0", L"0"}, {L"1", L"1", L"1", L" 0 "}, L" 12"), L'.',
         shown(L"Time (Min.)", L"1", L"1", L"1", L"0", L"1.7321", L"0.1443", L"6.9282")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(compute_inverse_time_number(c.input, c.separator), Outcome(c.expected));
    }
}

// At (3, 4, 0) the distances from the X, Y and Z axes are 4, 3 and 5: a quarter turn shows
// an arc of a quarter of 2 x 3.14159 x that radius.
TEST(InverseTimeNumber, TheRotaryOptionChoosesTheAxisTheRadiusIsMeasuredFrom) {
    const struct {
        RotaryAxis axis;
        const wchar_t* arc;
    } cases[] = {
        {RotaryAxis::a, L"6.2832"},
        {RotaryAxis::b, L"4.7124"},
        {RotaryAxis::c, L"7.854"},
        {RotaryAxis::none, L"4.7124"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.axis));
        const auto outcome = compute_inverse_time_number(
            move({L"3", L"4", L"0", L"0"}, {L"3", L"4", L"0", L"90"}, L"12", c.axis), L'.');
        ASSERT_TRUE(std::holds_alternative<Writes>(outcome));
        const Writes& writes = std::get<Writes>(outcome);
        EXPECT_EQ(writes[4], (FieldText{L"DR", c.arc}));
        EXPECT_EQ(writes[5], (FieldText{L"Dist", c.arc}));
    }
}

TEST(InverseTimeNumber, FailuresShowOneMessageAndWriteNothing) {
    const std::wstring missing = L"Value missing";
    const std::wstring title = L"Inverse Time Feed";
    const struct {
        const char* what;
        InverseTimeNumberInput input;
        Message expected;
    } cases[] = {
        {"every field empty: only the first is reported",
         move({L"", L"", L"", L""}, {L"", L"", L"", L""}, L""),
         {L"Please enter value for Previous X-axis.", missing}},
        {"LY",
         move({L"0", L"", L"0", L"0"}, {L"1", L"1", L"1", L"0"}, L"12"),
         {L"Please enter value for Previous Y-axis.", missing}},
        {"LZ",
         move({L"0", L"0", L"", L"0"}, {L"1", L"1", L"1", L"0"}, L"12"),
         {L"Please enter value for Previous Z-axis.", missing}},
        {"CX before FR",
         move({L"0", L"0", L"0", L"0"}, {L"", L"1", L"1", L"0"}, L""),
         {L"Please enter value for Current X-axis.", missing}},
        {"CY",
         move({L"0", L"0", L"0", L"0"}, {L"1", L"", L"1", L"0"}, L"12"),
         {L"Please enter value for Current Y-axis.", missing}},
        {"CZ",
         move({L"0", L"0", L"0", L"0"}, {L"1", L"1", L"", L"0"}, L"12"),
         {L"Please enter value for Current Z-axis.", missing}},
        {"FR",
         move({L"0", L"0", L"0", L"0"}, {L"1", L"1", L"1", L"0"}, L""),
         {L"Please enter value for UPM Feed.", missing}},
        {"an empty LR is no missing value but no number either",
         move({L"0", L"0", L"0", L""}, {L"1", L"1", L"1", L"0"}, L"12"),
         {L"The field \"Previous Rotary Axis\" is empty. Please enter a number.", title}},
        {"a blank is not empty but no number",
         move({L" ", L"0", L"0", L"0"}, {L"1", L"1", L"1", L"0"}, L"12"),
         {L"The field \"Previous X-axis\" is empty. Please enter a number.", title}},
        {"letters in CR",
         move({L"0", L"0", L"0", L"0"}, {L"1", L"1", L"1", L"abc"}, L"12"),
         {L"The field \"Current Rotary Axis\" does not hold a number: \"abc\".", title}},
        {"the other decimal separator",
         move({L"0", L"0", L"0", L"0"}, {L"1", L"1", L"1", L"0"}, L"12,5"),
         {L"The field \"UPM Feed\" does not hold a number: \"12,5\".", title}},
        {"a feed of zero",
         move({L"0", L"0", L"0", L"0"}, {L"1", L"1", L"1", L"0"}, L"-0"),
         {L"The field \"UPM Feed\" is 0. Please enter a feed other than zero: at no feed the "
          L"cut would never end.",
          title}},
        {"a cut distance of zero, even with a rotary delta on the rotary axis",
         move({L"0", L"2", L"0", L"0"}, {L"0", L"2", L"0", L"45"}, L"12"),
         {L"The cut distance is 0: the move from the previous to the current position has no "
          L"length, so it has no time and no 1/T FRN. Please enter positions that differ.",
          title}},
        {"a delta too large to show",
         move({L"0", L"0", L"0", L"0"}, {L"300000", L"1", L"1", L"0"}, L"12"),
         {L"The result \"X-axis difference\" is 300000, too large to show: results must lie "
          L"between -214748.3648 and 214748.3647.",
          title}},
        {"an FRN too large to show",
         move({L"0", L"0", L"0", L"0"}, {L"0.0001", L"0", L"0", L"0"}, L"60000"),
         {L"The result \"1/T FRN\" is 600000000, too large to show: results must lie between "
          L"-214748.3648 and 214748.3647.",
          title}},
        {"a delta beyond double range",
         move({L"-1e308", L"0", L"0", L"0"}, {L"1e308", L"1", L"1", L"0"}, L"12"),
         {L"The result \"X-axis difference\" cannot be computed: the numbers entered are too "
          L"large, or lead to a division by zero.",
          title}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(compute_inverse_time_number(c.input, L'.'), Outcome(c.expected));
    }
}

} // namespace
} // namespace ivt
