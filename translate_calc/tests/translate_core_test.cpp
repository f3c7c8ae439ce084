#include "core/translate.h"
#include "outcome_text.h"

#include "numbers/number_text.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>

namespace translate_calc {
namespace {

using Texts = std::map<std::wstring, std::wstring, std::less<>>; // by field name
using Command = numbers::Outcome (*)(const Fields&, wchar_t);

// The window's start texts with the test's own changes, written as a command writes them:
// "TipX=10;TipY= ;".
Texts fields(std::wstring_view changes) {
    Texts texts = {{L"TipX", L""},    {L"TipY", L""},    {L"TipZ", L""},    {L"TipI", L"0.0"},
                   {L"TipJ", L"0.0"}, {L"TipK", L"1.0"}, {L"TLgh", L"0.0"}, {L"Pivotz", L"0.0"},
                   {L"OrgX", L"0.0"}, {L"OrgY", L"0.0"}, {L"OrgZ", L"0.0"}, {L"PrgX", L""},
                   {L"PrgY", L""},    {L"PrgZ", L""}};
    for (std::size_t end; (end = changes.find(L';')) != changes.npos;
         changes.remove_prefix(end + 1)) {
        const std::size_t is = changes.find(L'=');
        texts.at(std::wstring(changes.substr(0, is))) = changes.substr(is + 1, end - is - 1);
    }
    return texts;
}

// Runs a command on the texts and writes its texts into them; the outcome in one line.
std::wstring run(Command command, Texts& t, wchar_t separator = L'.') {
    const numbers::Outcome outcome = command({{t[L"TipX"], t[L"TipY"], t[L"TipZ"]},
                                              {t[L"TipI"], t[L"TipJ"], t[L"TipK"]},
                                              t[L"TLgh"],
                                              t[L"Pivotz"],
                                              {t[L"OrgX"], t[L"OrgY"], t[L"OrgZ"]},
                                              {t[L"PrgX"], t[L"PrgY"], t[L"PrgZ"]}},
                                             separator);
    if (const auto* writes = std::get_if<numbers::Writes>(&outcome))
        for (const auto& [control, text] : *writes)
            t[std::wstring(control)] = text;
    return numbers::testing::outcome_text(outcome);
}

std::wstring run(Command command, std::wstring_view changes, wchar_t separator = L'.') {
    Texts texts = fields(changes);
    return run(command, texts, separator);
}

// A failure is given by a part of its message.
TEST(NormalizeToolAxis, WritesTheUnitVectorWithSixDecimalsOrSaysWhyNot) {
    const std::tuple<const wchar_t*, const wchar_t*, const wchar_t*, std::wstring> cases[] = {
        {L"1", L"2", L"3", L"TipI=0.267261;TipJ=0.534522;TipK=0.801784;"},
        {L"0", L"0", L"5", L"TipI=0;TipJ=0;TipK=1;"},
        {L"3", L"0", L"4", L"TipI=0.6;TipJ=0;TipK=0.8;"},
        {L"1", L"1", L"1", L"TipI=0.57735;TipJ=0.57735;TipK=0.57735;"},
        {L"-1", L"-1", L"0", L"TipI=-0.707107;TipJ=-0.707107;TipK=0;"},
        {L"0.001", L"0", L"0", L"TipI=1;TipJ=0;TipK=0;"},
        {L"0.0000005", L"0", L"1", L"TipI=0;TipJ=0;TipK=1;"},
        {L"0", L"0", L"0", L"its length is zero"},
        // The squares would lose digits or overflow: scaled first, they do not.
        {L"1e-160", L"0", L"0", L"TipI=1;TipJ=0;TipK=0;"},
        {L"1e200", L"1e200", L"0", L"TipI=0.707107;TipJ=0.707107;TipK=0;"},
        {L"-1e-300", L"0", L"1e-300", L"TipI=-0.707107;TipJ=0;TipK=0.707107;"},
        {L"1", L"abc", L"1", L"The field \"Tool Axis J\" does not hold a number: \"abc\"."},
    };
    for (const auto& [i, j, k, expected] : cases) {
        const std::wstring shown = run(normalize_tool_axis, L"TipI=" + std::wstring(i) + L";TipJ=" +
                                                                j + L";TipK=" + k + L";");
        EXPECT_TRUE(shown == expected || (shown.starts_with(L"Rotary Head Translations: ") &&
                                          shown.find(expected) != std::wstring::npos))
            << testing::PrintToString(shown);
    }
}

// Written perhaps in exponent form, and read back as the same number by the translations.
TEST(NormalizeToolAxis, TinyComponentsReadBackAsTheSameNumber) {
    for (const auto& [i, component, translated] :
         {std::tuple{L"0.00005", 0.00005, L"PrgX=0.5;"}, {L"0.000012", 0.000012, L"PrgX=0.12;"}}) {
        Texts texts = fields(L"TipI=" + std::wstring(i) +
                             L";TipJ=0;TipK=1;TipX=0;TipY=0;TipZ=0;"
                             L"TLgh=10000;");
        run(normalize_tool_axis, texts);
        EXPECT_EQ(numbers::number_from_text(texts[L"TipI"], L'.'), component) << texts[L"TipI"];
        EXPECT_TRUE(run(compute_program_point, texts).starts_with(translated));
    }
}

TEST(Translations, EdgeCasesAndFailures) {
    const std::wstring fails = L"Rotary Head Translations: ";
    const std::pair<std::wstring, std::wstring> cases[] = {
        {run(compute_program_point, L"TipX=10;TipY=20;TipZ=5;TipK=2;TLgh=1;Pivotz=1;"),
         L"PrgX=10;PrgY=20;PrgZ=9;"},
        // A zero axis is no failure here: the point is only shifted by the origin.
        {run(compute_program_point,
             L"TipX=10;TipY=20;TipZ=5;TipK=0;OrgX=1;OrgY=2;OrgZ=3;TLgh=4.5;Pivotz=12.25;"),
         L"PrgX=9;PrgY=18;PrgZ=2;"},
        // Below a half, a tie to even, just below a half.
        {run(compute_program_point, L"TipX=0.00005;TipY=0.00025;TipZ=0.00015;TipK=0;"),
         L"PrgX=0;PrgY=0.0002;PrgZ=0.0001;"},
        {run(compute_program_point, L"TipX=-0.00004;TipY=214748.3647;TipZ=-214748.3648;TipK=0;"),
         L"PrgX=0;PrgY=214748.3647;PrgZ=-214748.3648;"},
        // The last component out of range: the earlier ones are not written either.
        {run(compute_program_point, L"TipX=1;TipY=2;TipZ=214748.36475;TipK=0;"),
         fails + L"The result \"Z-Axis at pivot point\" is 214748.36475, too large to show: "
                 L"results must lie between -214748.3648 and 214748.3647."},
        {run(compute_program_point, L"TipX= ;TipY=1;TipZ=1;"),
         fails + L"The field \"X-Axis at tool tip\" is empty. Please enter a number."},
        {run(compute_program_point, L"TipX=1;TipY=1;TipZ=1;OrgZ=3x;Pivotz=?;"),
         fails + L"The field \"Z-Origin\" does not hold a number: \"3x\"."},
        {run(compute_tip_point, L""),
         fails + L"The field \"X-Axis at pivot point\" is empty. Please enter a number."},
        {run(compute_tip_point, L"PrgX=1;PrgY=1;PrgZ=1;TLgh=1e308;Pivotz=1e308;"),
         fails + L"The result \"X-Axis at tool tip\" cannot be computed: the numbers entered "
                 L"are too large, or lead to a division by zero."},
        // The user's decimal separator, both ways.
        {run(compute_program_point,
             L"TipX=0,5;TipY=1;TipZ=1;TipI=0;TipJ=0;TipK=1;TLgh=0,25;Pivotz=0;OrgX=0;OrgY=0;OrgZ="
             L"0;",
             L','),
         L"PrgX=0,5;PrgY=1;PrgZ=1,25;"},
    };
    for (const auto& [shown, expected] : cases)
        EXPECT_EQ(shown, expected);
}

} // namespace
} // namespace translate_calc
