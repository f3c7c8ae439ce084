#include "../win/rotate_window.h"
#include "keyboard_testing.h"
#include "window_testing.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <thread>
#include <vector>

namespace rotate_calc {
namespace {

using namespace desktop::testing;

// Tab indexes of the control table.
enum Tab {
    NXA = 0,
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

class RotateWindowTest : public WindowTest<RotateWindow> {
protected:
    void enter(const wchar_t* angle, const wchar_t* x, const wchar_t* y, const wchar_t* z) {
        type({{RA, angle}, {XA, x}, {YA, y}, {ZA, z}});
    }
    std::wstring results() const {
        return text_of(at(NXA)) + L"|" + text_of(at(NYA)) + L"|" + text_of(at(NZA));
    }
};

TEST_F(RotateWindowTest, OpensAsDesignedAtEveryDpi) {
    EXPECT_EQ(text_of(window.window()), L"ROTATION TRANSFORMATIONS");
    EXPECT_EQ(results(), L"||");
    EXPECT_TRUE(is_checked(at(BA)) && is_checked(at(cclw)));
    EXPECT_FALSE(is_checked(at(AA)) || is_checked(at(CA)) || is_checked(at(clw)));
    EXPECT_EQ(GetFocus(), at(NXA)) << "the first control in tab order has the focus";

    expect_window_matches_design(window);
    EXPECT_EQ(placement_of(at(RA)).left, 280); // 3360 twips at 12 twips a pixel
}

TEST_F(RotateWindowTest, ComputesWithTheChosenOptionsAndClearKeepsThem) {
    enter(L"30", L"10", L"20", L"5");
    click(at(CA));
    click(at(clw));
    EXPECT_FALSE(is_checked(at(BA)) || is_checked(at(cclw))) << "each group keeps one option";
    click(at(Compute));
    EXPECT_EQ(results(), L"-1.3397|22.3205|5");
    click(at(AA));
    EXPECT_TRUE(is_checked(at(clw))) << "the two groups never affect each other";

    click(at(Clear));
    for (int field : {RA, XA, YA, ZA})
        EXPECT_EQ(text_of(at(field)), L" ");
    EXPECT_EQ(results(), L" | | ");
    EXPECT_TRUE(is_checked(at(AA)) && is_checked(at(clw)));
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(RotateWindowTest, AFailureShowsOneMessageAndLeavesEveryResult) {
    enter(L"30", L"10", L"20", L"5");
    click(at(Compute));
    enter(L"0", L"1", L"300000", L"0"); // X would fit, Y is out of range
    click(at(Compute));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].title, L"ROTATION TRANSFORMATIONS");
    EXPECT_EQ(boxes.shown[0].style, 0);
    EXPECT_NE(boxes.shown[0].text.find(L"New Y-Axis"), std::wstring::npos);
    EXPECT_EQ(results(), L"6.1603|20|9.3301");
}

TEST_F(RotateWindowTest, WorksFromTheKeyboardAsADialogBox) {
    enter(L"30", L"10", L"20", L"5");
    const auto forward = expect_tab_cycle(window, false);
    EXPECT_EQ(forward, (std::vector<int>{NXA, BA, RA, XA, YA, ZA, Compute, Clear, NYA, NZA, cclw}));
    expect_tab_cycle(window, true);

    // The arrow keys move the check within the focused group only.
    SetFocus(at(BA));
    press(VK_DOWN);
    EXPECT_EQ(GetFocus(), at(CA));
    EXPECT_TRUE(is_checked(at(CA)) && !is_checked(at(BA)) && is_checked(at(cclw)));
    press(VK_RIGHT);
    EXPECT_EQ(GetFocus(), at(AA)) << "the arrows wrap within the group";

    SetFocus(at(Compute));
    press(VK_RETURN);
    EXPECT_EQ(results(), L"10|19.8205|-5.6699");
    press(VK_ESCAPE);
    EXPECT_EQ(GetFocus(), at(Compute));
    SetFocus(at(Clear));
    press(VK_SPACE);
    EXPECT_EQ(results(), L" | | ");
}

TEST_F(RotateWindowTest, TheFocusComesBackAfterAMessageBox) {
    // A real message box, answered by another thread as the user would.
    window.set_message_box([this](std::wstring_view text, int, std::wstring_view title) {
        std::thread answer([] {
            for (int tries = 0; tries < 200; ++tries, Sleep(20))
                if (HWND box = FindWindowW(L"#32770", L"ROTATION TRANSFORMATIONS")) {
                    PostMessageW(box, WM_COMMAND, IDOK, 0);
                    return;
                }
        });
        const int code = MessageBoxW(window.window(), std::wstring(text).c_str(),
                                     std::wstring(title).c_str(), MB_OK);
        answer.join();
        return code;
    });
    SetFocus(at(Compute));
    press(VK_RETURN); // every field empty: a message
    pump_keyboard_messages();
    EXPECT_TRUE(IsChild(window.window(), GetFocus())) << "a control has the focus again";
}

TEST_F(RotateWindowTest, ThePlusDirectionFrameShowsItsTipOverTheFrame) {
    TTHITTESTINFOW hit{};
    hit.hwnd = window.window();
    const RECT frame = placement_of(at(Frame2));
    hit.pt = {frame.left + 3, frame.bottom - 3}; // inside the frame, beside its buttons
    wchar_t text[128]{};
    hit.ti.cbSize = sizeof hit.ti;
    hit.ti.lpszText = text;
    ASSERT_TRUE(SendMessageW(tool_tips(window), TTM_HITTESTW, 0, reinterpret_cast<LPARAM>(&hit)));
    EXPECT_STREQ(text, L"Rotary plus direction");
}

TEST_F(RotateWindowTest, AnUnexpectedFailureIsToldAndTheWindowStays) {
    window.on_click(L"Clear", [] { throw std::runtime_error("out of memory"); });
    click(at(Clear));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].title, L"ROTATION TRANSFORMATIONS");
    EXPECT_NE(boxes.shown[0].text.find(L"out of memory"), std::wstring::npos);
    enter(L"90", L"1", L"0", L"0");
    click(at(Compute));
    EXPECT_EQ(results(), L"0|0|1") << "the window goes on working";
}

} // namespace
} // namespace rotate_calc
