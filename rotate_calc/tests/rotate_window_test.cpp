#include "keyboard_testing.h"
#include "win/rotate_window.h"
#include "window_testing.h"

#include <gtest/gtest.h>

#include <vector>

namespace rotate_calc {
namespace {

using namespace desktop::testing;

using desktop::Font;
using desktop::Kind;
constexpr Font tahoma_12{L"Tahoma", 12}, tahoma_9{L"Tahoma", 9.75}, sans_8{L"MS Sans Serif", 8.25},
    heading{L"Tahoma", 15.75, true, true};

// The window's control table, written out here apart from the program's own.
// clang-format off
const ExpectedControl expected[] = {
    // tab kind                       caption          tool tip                            left  top   width height font
    {0,  Kind::read_only_text_box, L"",               L"New transformed X-axis",          3360, 2760, 1455, 375, tahoma_12},
    {1,  Kind::frame,              L"",               L"",                                240,  840,  1815, 1695, sans_8},
    {2,  Kind::option_button,      L"YZ-Rotate (A)",  L"A-axis rotates in YZ Plane",      360,  1080, 1575, 495, tahoma_9},
    {3,  Kind::option_button,      L"ZX-Rotate (B)",  L"B-axis rotates in ZX Plane",      360,  1440, 1575, 495, tahoma_9},
    {4,  Kind::option_button,      L"XY-Rotate (C)",  L"C-axis rotates in XY Plane",      360,  1800, 1575, 495, tahoma_9},
    {5,  Kind::text_box,           L"",               L"Enter rotary axis angle",         3360, 960,  1455, 375, tahoma_12},
    {6,  Kind::text_box,           L"",               L"Enter x-axis value",              3360, 1800, 1455, 375, tahoma_12},
    {7,  Kind::text_box,           L"",               L"Enter Y-axis value",              5760, 1800, 1455, 375, tahoma_12},
    {8,  Kind::text_box,           L"",               L"Enter Z-axis value",              8160, 1800, 1455, 375, tahoma_12},
    {9,  Kind::command_button,     L"COMPUTE",        L"Enter to compute transformation", 240,  2880, 1815, 615, tahoma_12},
    {10, Kind::command_button,     L"CLEAR",          L"Enter to clear values",           8040, 960,  1575, 495, tahoma_12},
    {11, Kind::label,              L"X-Axis",         L"",                                2520, 1800, 855,  495, tahoma_12},
    {12, Kind::label,              L"Y-Axis",         L"",                                4920, 1800, 855,  495, tahoma_12},
    {13, Kind::label,              L"Z-Axis",         L"",                                7320, 1800, 735,  495, tahoma_12},
    {14, Kind::label,              L"Rotary Axis",    L"",                                2520, 840,  975,  615, tahoma_12},
    {15, Kind::read_only_text_box, L"",               L"New transformed Y-axis",          5760, 2760, 1455, 375, tahoma_12},
    {16, Kind::read_only_text_box, L"",               L"New transformed Z-axis",          8160, 2760, 1455, 375, tahoma_12},
    {17, Kind::label,              L"New X-Axis",     L"",                                2520, 2760, 855,  735, tahoma_12},
    {18, Kind::label,              L"New Y-Axis",     L"",                                4920, 2760, 855,  615, tahoma_12},
    {19, Kind::label,              L"New Z-Axis",     L"",                                7440, 2760, 735,  615, tahoma_12},
    {20, Kind::frame,              L"Plus Direction", L"Rotary plus direction",           5160, 840,  2535, 735, tahoma_9},
    {21, Kind::option_button,      L"CLW",            L"Plus is clockwise",               360,  240,  855,  435, tahoma_9, 20},
    {22, Kind::option_button,      L"CCLW",           L"Plus is counter clockwise",       1440, 240,  855,  435, tahoma_9, 20},
    {23, Kind::label,              L"COMPUTE POSITION OF POINT AFTER ANGLE ROTATION", L"", 480, 240, 9135, 495, heading},
};
// clang-format on

enum Tab {
    NXA = 0,
    AA = 2,
    BA,
    CA,
    RA,
    XA,
    YA,
    ZA,
    Compute,
    Clear,
    NYA = 15,
    NZA,
    Frame2 = 20,
    clw,
    cclw
};

class RotateWindowTest : public WindowTest<RotateWindow> {
protected:
    void enter(const wchar_t* angle, const wchar_t* x, const wchar_t* y, const wchar_t* z) {
        type({{RA, angle}, {XA, x}, {YA, y}, {ZA, z}});
    }
    std::wstring results() const {
        return text_of(at(NXA)) + L"|" + text_of(at(NYA)) + L"|" + text_of(at(NZA));
    }
};

TEST_F(RotateWindowTest, OpensAsDesigned) {
    expect_window(window, L"ROTATION TRANSFORMATIONS", 10110, 3690);
    expect_controls(window, expected);
    EXPECT_TRUE(is_checked(at(BA)) && is_checked(at(cclw)));
    EXPECT_FALSE(is_checked(at(AA)) || is_checked(at(CA)) || is_checked(at(clw)));
    EXPECT_EQ(GetFocus(), at(NXA)) << "the first control in tab order has the focus";
    // The frame lets the mouse through to the window: its tip is found there.
    const RECT frame = placement_of(at(Frame2));
    EXPECT_EQ(tool_tip_at(window, {frame.left + 3, frame.bottom - 3}), L"Rotary plus direction");
    if (window.dpi() == 120) {
        EXPECT_EQ(placement_of(at(RA)).left, 280) << "12 twips a pixel";
    }
}

TEST_F(RotateWindowTest, ComputesWithTheChosenOptionsAndClearKeepsThem) {
    enter(L"30", L"10", L"20", L"5");
    click(at(CA));
    click(at(clw));
    click(at(Compute));
    EXPECT_EQ(results(), L"-1.3397|22.3205|5");
    click(at(AA));

    click(at(Clear));
    for (int field : {RA, XA, YA, ZA})
        EXPECT_EQ(text_of(at(field)), L" ");
    EXPECT_EQ(results(), L" | | ");
    EXPECT_TRUE(is_checked(at(AA)) && is_checked(at(clw)));
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(RotateWindowTest, WorksFromTheKeyboardAsADialogBox) {
    enter(L"30", L"10", L"20", L"5");
    EXPECT_EQ(expect_tab_cycle(window, false),
              (std::vector<int>{NXA, BA, RA, XA, YA, ZA, Compute, Clear, NYA, NZA, cclw}));
    expect_tab_cycle(window, true);

    SetFocus(at(BA));
    press(VK_DOWN);
    EXPECT_EQ(GetFocus(), at(CA)) << "the arrows move focus and check within the group";
    EXPECT_TRUE(is_checked(at(CA)) && !is_checked(at(BA)) && is_checked(at(cclw)));
    press(VK_RIGHT);
    EXPECT_EQ(GetFocus(), at(AA)) << "and wrap there";
    SetFocus(at(Compute));
    press(VK_RETURN);
    EXPECT_EQ(results(), L"10|19.8205|-5.6699") << "about A, counter-clockwise";
}

} // namespace
} // namespace rotate_calc
