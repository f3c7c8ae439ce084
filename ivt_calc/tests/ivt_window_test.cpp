#include "../win/ivt_window.h"
#include "keyboard_testing.h"
#include "window_testing.h"

#include <gtest/gtest.h>

#include <tuple>

namespace ivt {
namespace {

using namespace desktop::testing;

// Tab indexes of the control table.
// clang-format off
enum Tab { LX, LY, LZ, CX, CY, CZ, FR, Dist, Time, IVT, Label6 = 15, ComIVT = 20, DX, DY, DZ,
           CLEAR, CompUPM, CmdEx, LR = 28, CR, DR = 31, Option1, Option2, Option3, Frame1,
           Option4, Option5 };
// clang-format on

class InverseTimeWindowTest : public WindowTest<InverseTimeWindow> {
protected:
    // In one line: the texts a click may write, the time caption included, then x or - for
    // each option button.
    std::wstring shown(std::initializer_list<int> tabs = {
                           LX,     LY,      LZ,      LR,      CX,      CY,     CZ, CR,
                           DX,     DY,      DZ,      DR,      Dist,    Time,   FR, IVT,
                           Label6, Option1, Option2, Option3, Option4, Option5}) {
        std::wstring all;
        for (int tab : tabs) {
            const bool option = tab >= Option1 && tab != Frame1;
            all += option ? std::wstring(is_checked(at(tab)) ? L"x" : L"-") : text_of(at(tab));
            all += L"|";
        }
        return all;
    }
};

TEST_F(InverseTimeWindowTest, MatchesItsTableAt96And120Dpi) {
    EXPECT_EQ(text_of(window.window()), L"Inverse Time Feed");
    EXPECT_EQ(shown(), L"0|0|0|0|1|1|1|0|||||||12||Time|-|-|-|-|-|");
    expect_window_matches_design(window);
}

// The window reads the time unit, hands the number it wrote back to the feed, and clears.
TEST_F(InverseTimeWindowTest, ComputesTheStartValuesInSecondsAndBackThenClears) {
    click(at(Option5));
    click(at(ComIVT));
    EXPECT_EQ(shown({DX, DY, DZ, DR, Dist, Time, IVT, Label6}),
              L"1|1|1|0|1.7321|8.6603|0.1155|Time (Sec.)|");
    type({{DR, L"typed"}});
    click(at(CompUPM));
    EXPECT_EQ(shown({FR, Time, Dist, DR, Label6}), L"0.2|8.658|1.7321|typed|Time (Sec.)|");
    click(at(Option2));
    click(at(CLEAR));
    EXPECT_EQ(shown(), L"0|0|0|0|0|0|0|0| | | | | | |0|0|Time (Sec.)|-|x|-|-|x|");
    EXPECT_TRUE(boxes.shown.empty());
}

// A quarter turn to (3, 4, 0), whose distances from the X, Y and Z axes are 4, 3 and 5; the
// two option groups leave each other alone.
TEST_F(InverseTimeWindowTest, TheRotaryOptionChoosesTheRadius) {
    type({{CX, L"3"}, {CY, L"4"}, {CZ, L"0"}, {CR, L"90"}});
    click(at(Option5));
    const std::pair<int, const wchar_t*> cases[] = {{-1, L"2.3562|-|-|-|x|"},
                                                    {Option1, L"3.1416|x|-|-|x|"},
                                                    {Option2, L"2.3562|-|x|-|x|"},
                                                    {Option3, L"3.927|-|-|x|x|"}};
    for (const auto& [option, expected] : cases) {
        if (option >= 0) click(at(option));
        click(at(ComIVT));
        EXPECT_EQ(shown({DR, Option1, Option2, Option3, Option5}), expected);
    }
    click(at(Option4));
    EXPECT_EQ(shown({Option3, Option4, Option5}), L"x|x|-|");
}

// Every failure is proven in the core tests; here one shows its box and writes nothing.
TEST_F(InverseTimeWindowTest, AFailureShowsOneMessageAndWritesNothing) {
    click(at(ComIVT));
    type({{CX, L"0.0001"}, {CY, L"0"}, {CZ, L"0"}, {FR, L"60000"}});
    const std::wstring before = shown();
    click(at(ComIVT));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].style, 0);
    EXPECT_EQ(boxes.shown[0].title, L"Inverse Time Feed");
    EXPECT_EQ(shown(), before);
}

TEST_F(InverseTimeWindowTest, ExitEndsTheProgram) {
    click(at(CmdEx));
    EXPECT_FALSE(IsWindow(window.window()));
    MSG message;
    EXPECT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

// Tab passes every option group once and leaves both groups with none chosen, as at start.
TEST_F(InverseTimeWindowTest, TabNeverChoosesAnOption) {
    expect_tab_cycle(window, false);
    expect_tab_cycle(window, true);
    // Windows checks an automatic option button that Tab gives the focus to (Wine does not):
    // the click it makes while Tab is down is taken back.
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_TAB] = 0x80;
    SetKeyboardState(keys);
    click(at(Option4));
    keys[VK_TAB] = 0;
    SetKeyboardState(keys);
    EXPECT_EQ(shown({Option1, Option2, Option3, Option4, Option5}), L"-|-|-|-|-|");
    click(at(Option4));
    EXPECT_EQ(shown({Option4, Option5}), L"x|-|") << "a click still chooses";
}

} // namespace
} // namespace ivt
