#include "keyboard_testing.h"
#include "win/rotate_window.h"
#include "window_testing.h"

#include <gtest/gtest.h>

#include <vector>

namespace rotate_calc {
namespace {

using namespace desktop::testing;
using desktop::Font;
using enum desktop::Kind;
constexpr Font t12{L"Tahoma", 12}, t9{L"Tahoma", 9.75}, sans{L"MS Sans Serif", 8.25},
    heading{L"Tahoma", 15.75, true, true};

// The window's control table, written out here apart from the program's own.
// clang-format off
const ExpectedControl expected[] = {
    // tab kind              caption            tool tip                          left  top   width height font frame
    {0,  read_only_text_box, L"",               L"New transformed X-axis",          3360, 2760, 1455, 375, t12},
    {1,  frame,              L"",               L"",                                240,  840,  1815, 1695, sans},
    {2,  option_button,      L"YZ-Rotate (A)",  L"A-axis rotates in YZ Plane",      360,  1080, 1575, 495, t9},
    {3,  option_button,      L"ZX-Rotate (B)",  L"B-axis rotates in ZX Plane",      360,  1440, 1575, 495, t9},
    {4,  option_button,      L"XY-Rotate (C)",  L"C-axis rotates in XY Plane",      360,  1800, 1575, 495, t9},
    {5,  text_box,           L"",               L"Enter rotary axis angle",         3360, 960,  1455, 375, t12},
    {6,  text_box,           L"",               L"Enter x-axis value",              3360, 1800, 1455, 375, t12},
    {7,  text_box,           L"",               L"Enter Y-axis value",              5760, 1800, 1455, 375, t12},
    {8,  text_box,           L"",               L"Enter Z-axis value",              8160, 1800, 1455, 375, t12},
    {9,  command_button,     L"COMPUTE",        L"Enter to compute transformation", 240,  2880, 1815, 615, t12},
    {10, command_button,     L"CLEAR",          L"Enter to clear values",           8040, 960,  1575, 495, t12},
    {11, label,              L"X-Axis",         L"",                                2520, 1800, 855,  495, t12},
    {12, label,              L"Y-Axis",         L"",                                4920, 1800, 855,  495, t12},
    {13, label,              L"Z-Axis",         L"",                                7320, 1800, 735,  495, t12},
    {14, label,              L"Rotary Axis",    L"",                                2520, 840,  975,  615, t12},
    {15, read_only_text_box, L"",               L"New transformed Y-axis",          5760, 2760, 1455, 375, t12},
    {16, read_only_text_box, L"",               L"New transformed Z-axis",          8160, 2760, 1455, 375, t12},
    {17, label,              L"New X-Axis",     L"",                                2520, 2760, 855,  735, t12},
    {18, label,              L"New Y-Axis",     L"",                                4920, 2760, 855,  615, t12},
    {19, label,              L"New Z-Axis",     L"",                                7440, 2760, 735,  615, t12},
    {20, frame,              L"Plus Direction", L"Rotary plus direction",           5160, 840,  2535, 735, t9},
    {21, option_button,      L"CLW",            L"Plus is clockwise",               360,  240,  855,  435, t9, 20},
    {22, option_button,      L"CCLW",           L"Plus is counter clockwise",       1440, 240,  855,  435, t9, 20},
    {23, label,              L"COMPUTE POSITION OF POINT AFTER ANGLE ROTATION", L"", 480, 240, 9135, 495, heading},
};
enum Tab { NXA = 0, AA = 2, BA, CA, RA, XA, YA, ZA, Compute, Clear, NYA = 15, NZA, Frame2 = 20, clw, cclw };
// clang-format on

using RotateWindowTest = WindowTest<RotateWindow>;

TEST_F(RotateWindowTest, OpensAsDesignedAndWorksFromTheKeyboardAndTheMouse) {
    expect_window(window, L"ROTATION TRANSFORMATIONS", 10110, 3690);
    expect_controls(window, expected);
    EXPECT_EQ(texts({AA, BA, CA, clw, cclw}), L"-|x|-|-|x|");
    EXPECT_EQ(GetFocus(), at(NXA)) << "the first control in tab order has the focus";
    // The frame lets the mouse through to the window: its tip is found there.
    const RECT frame = placement_of(at(Frame2));
    EXPECT_EQ(tool_tip_at(window, {frame.left + 3, frame.bottom - 3}), L"Rotary plus direction");

    type({{RA, L"30"}, {XA, L"10"}, {YA, L"20"}, {ZA, L"5"}});
    EXPECT_EQ(expect_tab_cycle(window, false),
              (std::vector<int>{NXA, BA, RA, XA, YA, ZA, Compute, Clear, NYA, NZA, cclw}));
    expect_tab_cycle(window, true);
    SetFocus(at(BA));
    press(VK_DOWN);
    EXPECT_EQ(GetFocus(), at(CA)) << "the arrows move focus and check within the group";
    EXPECT_EQ(texts({AA, BA, CA, clw, cclw}), L"-|-|x|-|x|");
    press(VK_RIGHT);
    EXPECT_EQ(GetFocus(), at(AA)) << "and wrap there";
    SetFocus(at(Compute));
    press(VK_RETURN);
    EXPECT_EQ(texts({NXA, NYA, NZA}), L"10|19.8205|-5.6699|") << "about A, counter-clockwise";
    // The clicks: COMPUTE reads both option groups; CLEAR keeps them.
    click(at(CA));
    click(at(clw));
    click(at(Compute));
    EXPECT_EQ(texts({NXA, NYA, NZA}), L"-1.3397|22.3205|5|");
    click(at(Clear));
    EXPECT_EQ(texts({RA, XA, YA, ZA, NXA, NYA, NZA, AA, BA, CA, clw, cclw}),
              L" | | | | | | |-|-|x|x|-|");
    EXPECT_TRUE(boxes.shown.empty());
}

} // namespace
} // namespace rotate_calc
