#include "keyboard_testing.h"
#include "win/halvex_window.h"
#include "window_testing.h"

#include <gtest/gtest.h>

#include <string>

namespace translate_calc {
namespace {

using namespace desktop::testing;

// Tab indexes of the control table.
// clang-format off
enum Tab {
    TipX = 0, TipY, TipZ, TipI, TipJ, TipK, TLgh, Pivotz, PrgX, PrgY, PrgZ,
    CompTP = 11, Clear = 12, Exit = 13, Label9 = 22, OrgX = 25, OrgY, OrgZ,
    Label4 = 28, CompPP = 34, CLR, Norm
};
// clang-format on

class HalvexWindowTest : public WindowTest<HalvexWindow> {
protected:
    // Every field in one line: tip point, axis, lengths, origin, program point.
    std::wstring fields() const {
        std::wstring all;
        for (int tab :
             {TipX, TipY, TipZ, TipI, TipJ, TipK, TLgh, Pivotz, OrgX, OrgY, OrgZ, PrgX, PrgY, PrgZ})
            all += text_of(at(tab)) + L"|";
        return all;
    }
};

TEST_F(HalvexWindowTest, MatchesItsTableAt96And120Dpi) {
    EXPECT_EQ(text_of(window.window()), L"Rotary Head Translations");
    EXPECT_EQ(fields(), L"|||0.0|0.0|1.0|0.0|0.0|0.0|0.0|0.0||||");
    EXPECT_EQ(GetFocus(), at(TipX));
    // A label that reaches into a field lies beneath it and cannot hide its text.
    for (const auto& [field, label] : {std::pair{OrgX, Label4}, {PrgX, Label9}}) {
        HWND next = GetWindow(at(field), GW_HWNDNEXT);
        while (next && next != at(label))
            next = GetWindow(next, GW_HWNDNEXT);
        EXPECT_TRUE(next && GetWindowLongW(next, GWL_STYLE) & WS_CLIPSIBLINGS) << label;
    }
    expect_window_matches_design(window);
}

TEST_F(HalvexWindowTest, NormalizesAndTranslatesTheWorkedExampleThereAndBack) {
    type({{TipX, L"10"},
          {TipY, L"20"},
          {TipZ, L"5"},
          {TipI, L"1"},
          {TipJ, L"2"},
          {TipK, L"3"},
          {TLgh, L"4.5"},
          {Pivotz, L"12.25"},
          {OrgX, L"1"},
          {OrgY, L"2"},
          {OrgZ, L"3"}});
    click(at(Norm));
    click(at(CompPP));
    type({{TipX, L""}, {TipY, L""}, {TipZ, L""}});
    click(at(CompTP));
    EXPECT_EQ(fields(), L"10|20|5|0.267261|0.534522|0.801784|4.5|12.25|1|2|3|13.4766|26.9532|"
                        L"15.4299|");
    EXPECT_TRUE(boxes.shown.empty());
}

// Every failure is proven in the core tests; here one shows its box and writes nothing.
TEST_F(HalvexWindowTest, AFailureShowsOneMessageAndWritesNothing) {
    type({{TipX, L"1"}, {TipY, L"1"}, {TipZ, L"1"}});
    click(at(CompPP));
    type({{TipX, L"7"}, {TipZ, L"214748.36475"}}); // X and Y would fit, Z cannot be rounded
    const std::wstring before = fields();
    click(at(CompPP));
    EXPECT_EQ(fields(), before);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].title, L"Rotary Head Translations");
    EXPECT_EQ(boxes.shown[0].style, 0);
}

TEST_F(HalvexWindowTest, ClearingWritesExactlyItsTexts) {
    for (int tab = TipX; tab <= PrgZ; ++tab)
        type({{tab, L"7.5"}});
    type({{OrgX, L"7.5"}, {OrgY, L"7.5"}, {OrgZ, L"7.5"}});
    click(at(CLR));
    EXPECT_EQ(fields(), L" | | |7.5|7.5|7.5|7.5|7.5|7.5|7.5|7.5| | | |");
    click(at(Clear));
    EXPECT_EQ(fields(), L" | | |0|0|1|0|0|0|0|0| | | |");
}

TEST_F(HalvexWindowTest, ExitClosesTheWindowAtOnce) {
    const HWND handle = window.window();
    click(at(Exit));
    pump_messages();
    EXPECT_FALSE(IsWindow(handle));
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(HalvexWindowTest, TabVisitsEveryFieldAndButtonInTabOrder) {
    EXPECT_EQ(expect_tab_cycle(window, false).size(), 20u); // 14 fields and 6 buttons
    expect_tab_cycle(window, true);
}

} // namespace
} // namespace translate_calc
