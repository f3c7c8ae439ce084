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
    CompTP = 11, Clear = 12, Exit = 13, Label1 = 14, Label9 = 22, OrgX = 25, OrgY, OrgZ,
    Label4 = 28, Label14 = 31, CompPP = 34, CLR, Norm, Label17
};
// clang-format on
constexpr int every_field[] = {TipX,   TipY, TipZ, TipI, TipJ, TipK, TLgh,
                               Pivotz, OrgX, OrgY, OrgZ, PrgX, PrgY, PrgZ};

class HalvexWindowTest : public ::testing::Test {
protected:
    HalvexWindowTest() {
        window.set_message_box(boxes.function());
        window.show();
        pump_messages();
    }
    HWND at(int tab) const { return control_at(window, tab); }
    // A number as the user's decimal separator writes it.
    static std::wstring local(std::wstring text) {
        for (auto& c : text)
            if (c == L'.') c = desktop::user_decimal_separator();
        return text;
    }
    void type(int tab, const std::wstring& text) { type_into(at(tab), local(text)); }
    // The three fields of a point or of the axis, from the first one's tab index.
    std::wstring triple(int first) const {
        return text_of(at(first)) + L"|" + text_of(at(first + 1)) + L"|" + text_of(at(first + 2));
    }

    HalvexWindow window;
    RecordingMessageBox boxes;
};

TEST_F(HalvexWindowTest, OpensAsDesigned) {
    EXPECT_EQ(text_of(window.window()), L"Rotary Head Translations");
    EXPECT_EQ(class_of(window.window()), L"HalvexRotaryHeadTranslations");
    RECT client;
    GetClientRect(window.window(), &client);
    EXPECT_EQ(client.right, MulDiv(10065, window.dpi(), 1440));
    EXPECT_EQ(client.bottom, MulDiv(7110, window.dpi(), 1440));
    EXPECT_EQ(window.design().controls.size(), 38u);
    expect_controls_match_table(window, window.design());
    for (int tab : {CompTP, Clear, Exit, CompPP, CLR, Norm})
        EXPECT_EQ(GetWindowLongW(at(tab), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON) << tab;
    for (int tab : {Label1, Label14, Label17})
        EXPECT_TRUE(GetWindowLongW(at(tab), GWL_STYLE) & SS_NOTIFY) << tab;

    EXPECT_EQ(triple(TipX), L"||");
    EXPECT_EQ(triple(TipI), L"0.0|0.0|1.0");
    EXPECT_EQ(text_of(at(TLgh)) + L"|" + text_of(at(Pivotz)), L"0.0|0.0");
    EXPECT_EQ(triple(OrgX), L"0.0|0.0|0.0");
    EXPECT_EQ(triple(PrgX), L"||");
    EXPECT_EQ(text_of(at(CompPP)), L"COMPUTE PROGRAM POINT");
    EXPECT_EQ(text_of(at(Label14)), L"  Program Pivot Point");
    EXPECT_EQ(GetFocus(), at(TipX));
}

// Below a field in the drawing order, a label that reaches into it cannot hide its text.
TEST_F(HalvexWindowTest, LabelsLieBeneathTheFieldsTheyOverlap) {
    const auto beneath = [](HWND field, HWND label) {
        for (HWND next = GetWindow(field, GW_HWNDNEXT); next; next = GetWindow(next, GW_HWNDNEXT))
            if (next == label) return (GetWindowLongW(label, GWL_STYLE) & WS_CLIPSIBLINGS) != 0;
        return false;
    };
    EXPECT_TRUE(beneath(at(OrgX), at(Label4)));
    EXPECT_TRUE(beneath(at(PrgX), at(Label9)));
}

TEST_F(HalvexWindowTest, FollowsTheDpiOfItsMonitor) {
    RECT suggested;
    GetWindowRect(window.window(), &suggested);
    SendMessageW(window.window(), WM_DPICHANGED, MAKEWPARAM(120, 120),
                 reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(window.dpi(), 120);
    expect_controls_match_table(window, window.design());
    const RECT norm = placement_of(at(Norm)); // 8160, 1320, 1455 × 735 twips
    EXPECT_EQ(norm.left, 680);
    EXPECT_EQ(norm.top, 110);
    EXPECT_EQ(norm.right, 801);
    EXPECT_EQ(norm.bottom, 171);
}

TEST_F(HalvexWindowTest, NormalizesAndTranslatesTheWorkedExampleThereAndBack) {
    const std::pair<int, const wchar_t*> typed[] = {
        {TipX, L"10"}, {TipY, L"20"}, {TipZ, L"5"}, {OrgX, L"1"},   {OrgY, L"2"},      {OrgZ, L"3"},
        {TipI, L"1"},  {TipJ, L"2"},  {TipK, L"3"}, {TLgh, L"4.5"}, {Pivotz, L"12.25"}};
    for (const auto& [tab, text] : typed)
        type(tab, text);
    click(at(Norm));
    EXPECT_EQ(triple(TipI), local(L"0.267261|0.534522|0.801784"));
    click(at(CompPP));
    EXPECT_EQ(triple(PrgX), local(L"13.4766|26.9532|15.4299"));
    for (int tab : {TipX, TipY, TipZ})
        type(tab, L"");
    click(at(CompTP));
    EXPECT_EQ(triple(TipX), L"10|20|5");
    EXPECT_EQ(triple(OrgX), L"1|2|3") << "inputs stay as typed";
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(HalvexWindowTest, AFailureShowsOneMessageAndWritesNothing) {
    for (int tab : {TipX, TipY, TipZ})
        type(tab, L"1");
    click(at(CompPP));
    ASSERT_EQ(triple(PrgX), L"1|1|1");
    type(TipX, L"7");
    type(TipZ, L"214748.36475"); // X and Y would fit, Z cannot be rounded
    click(at(CompPP));
    EXPECT_EQ(triple(PrgX), L"1|1|1");
    for (int tab : {TipI, TipJ, TipK})
        type(tab, L"0");
    click(at(Norm));
    EXPECT_EQ(triple(TipI), L"0|0|0");
    click(at(Clear));
    click(at(CompPP)); // the blanks of CLEAR are not numbers
    EXPECT_EQ(triple(PrgX), L" | | ");

    const wchar_t* named[] = {L"\"Z-Axis at pivot point\"", L"length is zero",
                              L"\"X-Axis at tool tip\" is empty"};
    ASSERT_EQ(boxes.shown.size(), std::size(named));
    for (std::size_t n = 0; n < std::size(named); ++n) {
        EXPECT_EQ(boxes.shown[n].title, L"Rotary Head Translations");
        EXPECT_EQ(boxes.shown[n].style, 0);
        EXPECT_NE(boxes.shown[n].text.find(named[n]), std::wstring::npos)
            << ::testing::PrintToString(boxes.shown[n].text);
    }
}

TEST_F(HalvexWindowTest, ClearingWritesExactlyItsTexts) {
    for (int tab : every_field)
        type(tab, L"7.5");
    click(at(CLR));
    EXPECT_EQ(triple(TipX) + L"/" + triple(PrgX), L" | | / | | ");
    EXPECT_EQ(triple(TipI) + L"|" + text_of(at(TLgh)) + L"|" + text_of(at(Pivotz)) + L"|" +
                  triple(OrgX),
              local(L"7.5|7.5|7.5|7.5|7.5|7.5|7.5|7.5"));

    for (int tab : every_field)
        type(tab, L"7.5");
    click(at(Clear));
    EXPECT_EQ(triple(TipX) + L"/" + triple(PrgX), L" | | / | | ");
    EXPECT_EQ(triple(TipI) + L"|" + text_of(at(TLgh)) + L"|" + text_of(at(Pivotz)) + L"|" +
                  triple(OrgX),
              L"0|0|1|0|0|0|0|0");
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(HalvexWindowTest, ExitClosesTheWindowAtOnce) {
    const HWND handle = window.window();
    click(at(Exit));
    pump_messages();
    EXPECT_FALSE(IsWindow(handle));
    EXPECT_TRUE(boxes.shown.empty());
}

} // namespace
} // namespace translate_calc
