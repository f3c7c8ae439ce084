#include "../win/rotate_window.h"
#include "window_testing.h"

#include <gtest/gtest.h>

namespace rotate_calc {
namespace {

using namespace desktop::testing;

// Tab indexes of the control table.
enum Tab {
    NXA = 0,
    Frame1 = 1,
    AA = 2,
    BA = 3,
    CA = 4,
    RA = 5,
    XA = 6,
    YA = 7,
    ZA = 8,
    Compute = 9,
    Clear = 10,
    NYA = 15,
    NZA = 16,
    Frame2 = 20,
    clw = 21,
    cclw = 22
};

class RotateWindowTest : public ::testing::Test {
protected:
    RotateWindowTest() {
        window.set_message_box(boxes.function());
        window.show();
        pump_messages();
    }
    HWND at(int tab) const { return control_at(window, tab); }
    void enter(const wchar_t* angle, const wchar_t* x, const wchar_t* y, const wchar_t* z) {
        type_into(at(RA), angle);
        type_into(at(XA), x);
        type_into(at(YA), y);
        type_into(at(ZA), z);
    }
    std::array<std::wstring, 3> results() const {
        return {text_of(at(NXA)), text_of(at(NYA)), text_of(at(NZA))};
    }

    RotateWindow window;
    RecordingMessageBox boxes;
};

TEST_F(RotateWindowTest, OpensAsDesigned) {
    wchar_t class_name[64];
    GetClassNameW(window.window(), class_name, 64);
    EXPECT_EQ(text_of(window.window()), L"ROTATION TRANSFORMATIONS");
    RECT client;
    GetClientRect(window.window(), &client);
    EXPECT_EQ(client.right, MulDiv(10110, window.dpi(), 1440));
    EXPECT_EQ(client.bottom, MulDiv(3690, window.dpi(), 1440));
    expect_controls_match_table(window, window.design());
    EXPECT_EQ(text_of(at(Compute)), L"COMPUTE");
    EXPECT_EQ(text_of(at(Frame2)), L"Plus Direction");
    EXPECT_EQ(GetWindowLongW(at(Frame1), GWL_STYLE) & BS_TYPEMASK, BS_GROUPBOX);
    for (int field : {RA, XA, YA, ZA, NXA, NYA, NZA})
        EXPECT_EQ(text_of(at(field)), L"");
    EXPECT_TRUE(is_checked(at(BA)));
    EXPECT_TRUE(is_checked(at(cclw)));
    EXPECT_FALSE(is_checked(at(AA)) || is_checked(at(CA)) || is_checked(at(clw)));
    EXPECT_EQ(GetFocus(), at(NXA)) << "the first control in tab order has the focus";
}

TEST_F(RotateWindowTest, FollowsTheDpiOfItsMonitor) {
    RECT suggested;
    GetWindowRect(window.window(), &suggested);
    SendMessageW(window.window(), WM_DPICHANGED, MAKEWPARAM(120, 120),
                 reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(window.dpi(), 120);
    expect_controls_match_table(window, window.design());
    EXPECT_EQ(placement_of(at(RA)).left, 280); // 3360 twips at 120 DPI, 12 twips a pixel
}

TEST_F(RotateWindowTest, ComputesTheRotatedPoint) {
    enter(L"30", L"10", L"20", L"5");
    click(at(CA));
    click(at(clw));
    click(at(Compute));
    EXPECT_EQ(results(), (std::array<std::wstring, 3>{L"-1.3397", L"22.3205", L"5"}));
    click(at(AA));
    click(at(cclw));
    click(at(Compute));
    EXPECT_EQ(results(), (std::array<std::wstring, 3>{L"10", L"19.8205", L"-5.6699"}));
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(RotateWindowTest, OptionGroupsAreIndependent) {
    click(at(CA));
    EXPECT_TRUE(is_checked(at(CA)));
    EXPECT_FALSE(is_checked(at(AA)) || is_checked(at(BA)));
    EXPECT_TRUE(is_checked(at(cclw))) << "choosing an axis leaves the direction alone";
    click(at(clw));
    EXPECT_TRUE(is_checked(at(clw)));
    EXPECT_FALSE(is_checked(at(cclw)));
    EXPECT_TRUE(is_checked(at(CA))) << "choosing a direction leaves the axis alone";
}

TEST_F(RotateWindowTest, ClearBlanksTheFieldsAndKeepsTheOptions) {
    enter(L"30", L"10", L"20", L"5");
    click(at(CA));
    click(at(clw));
    click(at(Compute));
    click(at(Clear));
    for (int field : {RA, XA, YA, ZA, NXA, NYA, NZA})
        EXPECT_EQ(text_of(at(field)), L" ");
    EXPECT_TRUE(is_checked(at(CA)));
    EXPECT_TRUE(is_checked(at(clw)));

    click(at(Compute)); // the blanks are not numbers
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].title, L"ROTATION TRANSFORMATIONS");
    EXPECT_EQ(boxes.shown[0].style, 0);
    EXPECT_NE(boxes.shown[0].text.find(L"Rotary Axis"), std::wstring::npos);
    for (int field : {NXA, NYA, NZA})
        EXPECT_EQ(text_of(at(field)), L" ");
}

TEST_F(RotateWindowTest, AFailureLeavesEveryResultAsItWas) {
    enter(L"30", L"10", L"20", L"5");
    click(at(Compute));
    const auto before = results();
    enter(L"0", L"1", L"300000", L"0"); // X would fit, Y is out of range
    click(at(Compute));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_NE(boxes.shown[0].text.find(L"New Y-Axis"), std::wstring::npos);
    EXPECT_EQ(results(), before);
    enter(L"0", L"1", L"2", L"abc");
    click(at(Compute));
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_NE(boxes.shown[1].text.find(L"Z-Axis"), std::wstring::npos);
    EXPECT_EQ(results(), before);
}

TEST_F(RotateWindowTest, ResultFieldsCannotBeTypedInto) {
    for (int field : {NXA, NYA, NZA})
        EXPECT_TRUE(GetWindowLongW(at(field), GWL_STYLE) & ES_READONLY);
    for (int field : {RA, XA, YA, ZA})
        EXPECT_FALSE(GetWindowLongW(at(field), GWL_STYLE) & ES_READONLY);
}

} // namespace
} // namespace rotate_calc
