#include "core/translate.h"
#include "outcome_text.h"

#include <gtest/gtest.h>

#include <string>

namespace translate_calc {
namespace {

struct Case {
    numbers::Outcome (*command)(const Fields&, wchar_t);
    Fields fields; // tip point, tool axis, tool length, pivot Z, origin, program point
    std::wstring expected;
    wchar_t separator = L'.';
};

TEST(Translations, TheWorkedExampleEdgeCasesAndFailures) {
    const Triple axis{L"0.267261", L"0.534522", L"0.801784"}, zero{L"0", L"0", L"0"};
    const std::wstring fails = L"Rotary Head Translations: ";
    // clang-format off
    const Case cases[] = {
        {normalize_tool_axis, {{}, {L"1", L"2", L"3"}}, L"TipI=0.267261;TipJ=0.534522;TipK=0.801784;"},
        {normalize_tool_axis, {{}, {L"-1", L"-1", L"0"}}, L"TipI=-0.707107;TipJ=-0.707107;TipK=0;"},
        {normalize_tool_axis, {{}, {L"0.0000005", L"0", L"1"}}, L"TipI=0;TipJ=0;TipK=1;"},
        // The squares would lose digits or overflow: scaled first, they do not.
        {normalize_tool_axis, {{}, {L"1E-160", L"0", L"0"}}, L"TipI=1;TipJ=0;TipK=0;"},
        {normalize_tool_axis, {{}, {L"1E+200", L"1E+200", L"0"}}, L"TipI=0.707107;TipJ=0.707107;TipK=0;"},
        {normalize_tool_axis, {{}, {L"0", L"0", L"0"}},
         fails + L"The tool axis cannot be normalized: its length is zero (\"Tool Axis I\", \"Tool "
                 L"Axis J\" and \"Tool Axis K\" are all zero). Please enter the direction of the tool axis."},
        {normalize_tool_axis, {{}, {L"1", L"abc", L"1"}}, fails + L"The field \"Tool Axis J\" does not hold a number: \"abc\"."},
        {compute_program_point, {{L"10", L"20", L"5"}, axis, L"4.5", L"12.25", {L"1", L"2", L"3"}},
         L"PrgX=13.4766;PrgY=26.9532;PrgZ=15.4299;"},
        {compute_tip_point, {{}, axis, L"4.5", L"12.25", {L"1", L"2", L"3"}, {L"13.4766", L"26.9532", L"15.4299"}},
         L"TipX=10;TipY=20;TipZ=5;"},
        // A zero axis is no failure here: the point is only shifted by the origin.
        {compute_program_point, {{L"10", L"20", L"5"}, zero, L"4.5", L"12.25", {L"1", L"2", L"3"}}, L"PrgX=9;PrgY=18;PrgZ=2;"},
        {compute_program_point, {{L"0,5", L"1", L"1"}, {L"0", L"0", L"1"}, L"0,25", L"0", zero}, L"PrgX=0,5;PrgY=1;PrgZ=1,25;", L','},
        // The last component out of range: the earlier ones are not written either.
        {compute_program_point, {{L"1", L"2", L"214748.36475"}, zero, L"0", L"0", zero},
         fails + L"The result \"Z-Axis at pivot point\" is 214748.36475, too large to show: "
                 L"results must lie between -214748.3648 and 214748.3647."},
        {compute_program_point, {{L"1", L"1", L"1"}, zero, L"0", L"?", {L"0", L"0", L"3x"}},
         fails + L"The field \"Z-Origin\" does not hold a number: \"3x\"."},
        {compute_tip_point, {{}, zero, L"0", L"0", zero},
         fails + L"The field \"X-Axis at pivot point\" is empty. Please enter a number."},
    };
    // clang-format on
    for (const auto& [command, fields, expected, separator] : cases)
        EXPECT_EQ(numbers::testing::outcome_text(command(fields, separator)), expected);
}

} // namespace
} // namespace translate_calc
