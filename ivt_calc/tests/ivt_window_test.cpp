#include "keyboard_testing.h"
#include "win/ivt_window.h"
#include "window_testing.h"

#include <gtest/gtest.h>

#include <string>

namespace ivt_calc {
namespace {

using namespace desktop::testing;

using desktop::Font;
using enum desktop::Kind;
constexpr Font tahoma{L"Tahoma", 12}, bold{L"Tahoma", 12, true},
    heading{L"Tahoma", 15.75, true, true};

// The window's control table, written out here apart from the program's own.
// clang-format off
const ExpectedControl expected[] = {
    // tab kind              caption              tool tip                                            left  top   width height font
    {0,  text_box,           L"0",                L"Previous X-axis position",                        1680, 2160, 1695, 375, tahoma},
    {1,  text_box,           L"0",                L"Previous Y-axis position",                        3600, 2160, 1695, 375, tahoma},
    {2,  text_box,           L"0",                L"Previous Z-axis position",                        5520, 2160, 1695, 375, tahoma},
    {3,  text_box,           L"1",                L"Current X-axis position",                         1680, 2880, 1695, 375, tahoma},
    {4,  text_box,           L"1",                L"Current Y-axis position",                         3600, 2880, 1695, 375, tahoma},
    {5,  text_box,           L"1",                L"Current Z-axis position",                         5520, 2880, 1695, 375, tahoma},
    {6,  text_box,           L"12",               L"Input/Output feed rate",                          1800, 6480, 1695, 375, tahoma},
    {7,  read_only_text_box, L"",                 L"Cut distance in units",                           5880, 4800, 1935, 375, tahoma},
    {8,  read_only_text_box, L"",                 L"Time for cut",                                    5880, 5400, 1935, 375, tahoma},
    {9,  text_box,           L"",                 L"Input/Output feed rate number",                   5280, 6480, 1935, 375, tahoma},
    {10, label,              L"Previous Position", L"Previous (last) cutter position",                480,  2040, 1215, 615, bold},
    {11, label,              L"Current Position", L"Current cutter position (to apply feed)",         480,  2760, 1215, 615, bold},
    {12, label,              L"Delta \"",         L"Delta = Current - Previous",                      600,  3720, 1095, 495, bold},
    {13, label,              L"UPM Feed",         L"Rate = Distance X FRN",                           480,  6480, 1335, 495, bold},
    {14, label,              L"Distance \"",      L"Distance = Square Root of the Sum of the squares of each delta ", 4080, 4800, 1695, 495, bold},
    {15, label,              L"Time",             L"Time = Distance / Rate",                          4080, 5400, 1695, 495, bold},
    {16, label,              L"1/T FRN",          L"FRN = Rate / Distance",                           4080, 6480, 1215, 495, bold},
    {17, label,              L"X-Axis \"",        L"",                                                2160, 1800, 1095, 375, bold},
    {18, label,              L"Y-Axis \"",        L"",                                                3960, 1800, 1095, 375, bold},
    {19, label,              L"Z-Axis \"",        L"",                                                5880, 1800, 975,  375, bold},
    {20, command_button,     L"Compute 1/T FRN",  L"Using UPM feed, Compute 1/T Feed Rate Number",    360,  4560, 1455, 735, bold},
    {21, read_only_text_box, L"",                 L"X-axis difference",                               1680, 3720, 1695, 405, tahoma},
    {22, read_only_text_box, L"",                 L"Y-axis difference",                               3600, 3720, 1695, 405, tahoma},
    {23, read_only_text_box, L"",                 L"Z-axis difference",                               5520, 3720, 1695, 405, tahoma},
    {24, command_button,     L"Clear",            L"Clear values",                                    360,  5520, 1455, 495, bold},
    {25, command_button,     L"Compute UPM Feed", L"Using 1/T FRN, Compute UPM Feed Rate",            2040, 4560, 1455, 735, bold},
    {26, command_button,     L"Exit",             L"Exit menu",                                       2040, 5520, 1455, 495, bold},
    {27, label,              L"INVERSE TIME FEED RATE CALCULATOR", L"Feed Number(sec) = Rate(upm) / Distance(units)", 600, 120, 6495, 495, heading},
    {28, text_box,           L"0",                L"Previous Rotary Axis",                            7440, 2160, 1695, 405, tahoma},
    {29, text_box,           L"0",                L"Current Rotary Axis",                             7440, 2880, 1695, 405, tahoma},
    {30, label,              L"Rotary (Deg)",     L"",                                                7440, 1800, 1695, 375, bold},
    {31, text_box,           L"",                 L"Rotary Axis Difference",                          7440, 3720, 1695, 405, tahoma},
    {32, option_button,      L"A-Rotary",         L"Rotary A-axis",                                   7320, 480,  1695, 495, bold},
    {33, option_button,      L"B-Rotary",         L"Rotary B-Axis",                                   7320, 840,  1695, 495, bold},
    {34, option_button,      L"C-Rotary",         L"Rotary C-axis",                                   7320, 1200, 1695, 495, bold},
    {35, frame,              L"Inverse Time Output", L"",                                             360,  600,  3255, 1215, bold},
    {36, option_button,      L"Minutes",          L"Time in Minutes",                                 240,  360,  2175, 375, bold, 35},
    {37, option_button,      L"Seconds",          L"Time in Seconds",                                 240,  720,  2775, 285, bold, 35},
};
enum Tab { LX, LY, LZ, CX, CY, CZ, FR, Dist, Time, IVT, Label6 = 15, ComIVT = 20, DX, DY, DZ,
           CLEAR, CompUPM, CmdEx, LR = 28, CR, DR = 31, Option1, Option2, Option3, Frame1,
           Option4, Option5 };
// clang-format on

using IvtWindowTest = WindowTest<IvtWindow>;

TEST_F(IvtWindowTest, OpensAsDesignedAndEachButtonWritesItsTexts) {
    expect_window(window, L"Inverse Time Feed", 9735, 7245);
    expect_controls(window, expected);
    EXPECT_EQ(texts({Option1, Option2, Option3, Option4, Option5}), L"-|-|-|-|-|");
    EXPECT_EQ(GetFocus(), at(LX));
    expect_tab_cycle(window, false);
    // Windows checks an automatic option button that Tab gives the focus to (Wine does not):
    // the click it makes while Tab is down is taken back.
    hold_key(VK_TAB, true);
    click(at(Option4));
    hold_key(VK_TAB, false);
    EXPECT_EQ(texts({Option1, Option2, Option3, Option4, Option5}), L"-|-|-|-|-|");
    // The clicks: the window reads the time unit and the rotary axis, hands the number it
    // wrote back to the feed, clears and exits.
    click(at(Option5));
    click(at(ComIVT));
    EXPECT_EQ(texts({DX, DY, DZ, DR, Dist, Time, IVT, Label6}),
              L"1|1|1|0|1.7321|8.6603|0.1155|Time (Sec.)|");
    type({{DR, L"typed"}});
    click(at(CompUPM));
    EXPECT_EQ(texts({FR, Time, Dist, DR, Label6}), L"0.2|8.658|1.7321|typed|Time (Sec.)|");
    // A quarter turn to (3, 4, 0), 5 from the Z axis.
    type({{CX, L"3"}, {CY, L"4"}, {CZ, L"0"}, {CR, L"90"}});
    click(at(Option3));
    click(at(ComIVT));
    EXPECT_EQ(texts({DR}), L"3.927|");
    click(at(Option2));
    click(at(CLEAR));
    EXPECT_EQ(texts({LX, LY,   LZ,   LR, CX,  CY,     CZ,      CR,      DX,      DY,      DZ,
                     DR, Dist, Time, FR, IVT, Label6, Option1, Option2, Option3, Option4, Option5}),
              L"0|0|0|0|0|0|0|0| | | | | | |0|0|Time (Sec.)|-|x|-|-|x|");
    EXPECT_TRUE(boxes.shown.empty());
    click(at(CmdEx));
    EXPECT_FALSE(IsWindow(window.window()));
}

} // namespace
} // namespace ivt_calc
