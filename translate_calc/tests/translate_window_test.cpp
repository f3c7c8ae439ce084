#include "keyboard_testing.h"
#include "win/translate_window.h"
#include "window_testing.h"

#include <gtest/gtest.h>

#include <string>

namespace translate_calc {
namespace {

using namespace desktop::testing;

using enum desktop::Kind;
constexpr auto button = command_button;
using desktop::Font;
constexpr Font tahoma{L"Tahoma", 12}, bold{L"Tahoma", 12, true}, small_bold{L"Tahoma", 9.75, true},
    sans_bold{L"MS Sans Serif", 9.75, true}, heading{L"Tahoma", 15.75, true, true};

// The window's control table, written out here apart from the program's own.
// clang-format off
const ExpectedControl expected[] = {
    // tab kind  caption   tool tip                                   left  top   width height font
    {0,  text_box, L"",    L"X-Axis at tool tip",                     1440, 1560, 1215, 375, tahoma},
    {1,  text_box, L"",    L"Y-Axis at tool tip",                     3840, 1560, 1215, 375, tahoma},
    {2,  text_box, L"",    L"Z-Axis tool tip",                        6240, 1560, 1215, 375, tahoma},
    {3,  text_box, L"0.0", L"Tool Axis I-compunent",                  1440, 3000, 1215, 375, tahoma},
    {4,  text_box, L"0.0", L"Tool Axis J-component",                  3840, 3000, 1215, 375, tahoma},
    {5,  text_box, L"1.0", L"Tool Axis K-component",                  6240, 3000, 1215, 375, tahoma},
    {6,  text_box, L"0.0", L"Tool Length (tip to spindle face",       1920, 3720, 1215, 375, tahoma},
    {7,  text_box, L"0.0", L"Pivot Z from spindle face to pivot point", 6240, 3720, 1215, 375, tahoma},
    {8,  text_box, L"",    L"X-Axis at pivot point",                  1440, 6120, 1215, 375, tahoma},
    {9,  text_box, L"",    L"Y-Axis at pivot point",                  3840, 6120, 1215, 375, tahoma},
    {10, text_box, L"",    L"Z-Axis at pivot point",                  6240, 6120, 1215, 375, tahoma},
    {11, button,   L"COMPUTE TIP POINT", L"Compute tool tip point",   8160, 2280, 1455, 735, sans_bold},
    {12, button,   L"CLEAR", L"Clear values",                         8160, 5400, 1455, 495, sans_bold},
    {13, button,   L"EXIT",  L"Exit utility",                         8160, 6120, 1455, 495, sans_bold},
    {14, label,    L"X-Axis", L"",                                     600, 1680,  855, 375, tahoma},
    {15, label,    L"Y-Axis", L"",                                    3000, 1680,  855, 495, tahoma},
    {16, label,    L"Z-Axis", L"",                                    5400, 1680,  855, 495, tahoma},
    {17, label,    L"I-Axis", L"",                                     600, 3120,  855, 495, tahoma},
    {18, label,    L"J-Axis", L"",                                    3000, 3120,  855, 495, tahoma},
    {19, label,    L"K-Axis", L"",                                    5400, 3120,  855, 495, tahoma},
    {20, label,    L"Tool Length", L"",                                480, 3840, 1455, 495, tahoma},
    {21, label,    L"Pivot Z", L"",                                   5280, 3840,  975, 495, tahoma},
    {22, label,    L"X-Axis", L"",                                     600, 6240, 1215, 495, tahoma},
    {23, label,    L"Y-Axis", L"",                                    3000, 6240, 1215, 495, tahoma},
    {24, label,    L"Z-Axis", L"",                                    5400, 6240, 1215, 495, tahoma},
    {25, text_box, L"0.0", L"Origin X-Axis",                          1440, 4560, 1215, 375, tahoma},
    {26, text_box, L"0.0", L"Origin Y-Axis",                          3840, 4560, 1215, 375, tahoma},
    {27, text_box, L"0.0", L"Origin Z-axis",                          6240, 4560, 1215, 375, tahoma},
    {28, label,    L"X-Origin", L"",                                   480, 4680, 1215, 495, tahoma},
    {29, label,    L"Y-Origin", L"",                                  2880, 4680, 1215, 495, tahoma},
    {30, label,    L"Z-Origin", L"",                                  5280, 4680, 1215, 495, tahoma},
    {31, label,    L"  Program Pivot Point", L"Program pivot XYZ point ", 2640, 5520, 2655, 495, bold},
    {32, label,    L"  Translations and Tool Axis", L"Translation values including tool axis", 2400, 2520, 3615, 375, bold},
    {33, label,    L"  Tool Tip Point", L"Tool tip XYZ point",        3240, 1080, 2055, 375, bold},
    {34, button,   L"COMPUTE PROGRAM POINT", L"Compute program pivot point", 8160, 3240, 1455, 975, small_bold},
    {35, button,   L"CLEAR RESULTS", L"",                             8160, 4440, 1455, 735, small_bold},
    {36, button,   L"NORMALIZE TOOL AXIS", L"",                       8160, 1320, 1455, 735, small_bold},
    {37, label,    L"TRANSLATE 3D POINT ALONG TOOL AXIS", L"",        1320,  240, 8055, 495, heading},
};
enum Tab {
    TipX = 0, TipY, TipZ, TipI, TipJ, TipK, TLgh, Pivotz, PrgX, PrgY, PrgZ,
    CompTP = 11, Clear = 12, Exit = 13, OrgX = 25, OrgY, OrgZ, CompPP = 34, CLR, Norm
};
// clang-format on

using TranslateWindowTest = WindowTest<TranslateWindow>;

TEST_F(TranslateWindowTest, OpensAsDesignedAndEachButtonWritesItsTexts) {
    expect_window(window, L"Rotary Head Translations", 10065, 7110);
    expect_controls(window, expected);
    EXPECT_EQ(GetFocus(), at(TipX));
    EXPECT_EQ(expect_tab_cycle(window, false).size(), 20u) << "14 fields and 6 buttons";
    // The clicks: the worked example there and back, clearing the results and everything, Exit.
    const auto fields = [&] {
        return texts(
            {TipX, TipY, TipZ, TipI, TipJ, TipK, TLgh, Pivotz, OrgX, OrgY, OrgZ, PrgX, PrgY, PrgZ});
    };
    type({{TipX, L"10"}, {TipY, L"20"}, {TipZ, L"5"}, {TipI, L"1"}, {TipJ, L"2"}, {TipK, L"3"}});
    type({{TLgh, L"4.5"}, {Pivotz, L"12.25"}, {OrgX, L"1"}, {OrgY, L"2"}, {OrgZ, L"3"}});
    click(at(Norm));
    click(at(CompPP));
    type({{TipX, L""}, {TipY, L""}, {TipZ, L""}});
    click(at(CompTP));
    EXPECT_EQ(fields(), L"10|20|5|0.267261|0.534522|0.801784|4.5|12.25|1|2|3|13.4766|26.9532|"
                        L"15.4299|");
    EXPECT_TRUE(boxes.shown.empty());
    click(at(CLR));
    EXPECT_EQ(fields(), L" | | |0.267261|0.534522|0.801784|4.5|12.25|1|2|3| | | |");
    click(at(Clear));
    EXPECT_EQ(fields(), L" | | |0|0|1|0|0|0|0|0| | | |");
    click(at(Exit));
    EXPECT_FALSE(IsWindow(window.window()));
}

} // namespace
} // namespace translate_calc
