#include "../win/ivt_window.h"
#include "window_testing.h"

#include <gtest/gtest.h>

#include <map>

namespace ivt {
namespace {

using namespace desktop::testing;

// Tab indexes of the control table.
enum Tab {
    LX = 0,
    LY = 1,
    LZ = 2,
    CX = 3,
    CY = 4,
    CZ = 5,
    FR = 6,
    Dist = 7,
    Time = 8,
    IVT = 9,
    Label6 = 15,
    ComIVT = 20,
    DX = 21,
    DY = 22,
    DZ = 23,
    CLEAR = 24,
    CompUPM = 25,
    CmdEx = 26,
    LR = 28,
    CR = 29,
    DR = 31,
    Option1 = 32,
    Option2 = 33,
    Option3 = 34,
    Frame1 = 35,
    Option4 = 36,
    Option5 = 37
};

// Every text a click may write, the time caption included.
constexpr Tab texts[] = {LX, LY, LZ, LR,   CX,   CY, CZ,  CR,    DX,
                         DY, DZ, DR, Dist, Time, FR, IVT, Label6};

using Texts = std::map<int, std::wstring>;

class InverseTimeWindowTest : public ::testing::Test {
protected:
    InverseTimeWindowTest() {
        window.set_message_box(boxes.function());
        window.show();
        pump_messages();
    }
    HWND at(int tab) const { return control_at(window, tab); }
    void enter(const Texts& values) {
        for (const auto& [tab, text] : values)
            type_into(at(tab), text);
    }
    Texts shown(std::initializer_list<int> tabs) const {
        Texts result;
        for (int tab : tabs)
            result[tab] = text_of(at(tab));
        return result;
    }
    Texts all_texts() const {
        Texts result;
        for (int tab : texts)
            result[tab] = text_of(at(tab));
        return result;
    }

    InverseTimeWindow window;
    RecordingMessageBox boxes;
};

TEST_F(InverseTimeWindowTest, OpensAsDesigned) {
    EXPECT_EQ(class_of(window.window()), L"DorvikInverseTimeFeed");
    EXPECT_EQ(text_of(window.window()), L"Inverse Time Feed");
    RECT client;
    GetClientRect(window.window(), &client);
    EXPECT_EQ(client.right, MulDiv(9735, window.dpi(), 1440));
    EXPECT_EQ(client.bottom, MulDiv(7245, window.dpi(), 1440));
    expect_controls_match_table(window, window.design());
    EXPECT_EQ(all_texts(), (Texts{{LX, L"0"},
                                  {LY, L"0"},
                                  {LZ, L"0"},
                                  {LR, L"0"},
                                  {CX, L"1"},
                                  {CY, L"1"},
                                  {CZ, L"1"},
                                  {CR, L"0"},
                                  {DX, L""},
                                  {DY, L""},
                                  {DZ, L""},
                                  {DR, L""},
                                  {Dist, L""},
                                  {Time, L""},
                                  {FR, L"12"},
                                  {IVT, L""},
                                  {Label6, L"Time"}}));
    EXPECT_EQ(text_of(at(ComIVT)), L"Compute 1/T FRN");
    EXPECT_EQ(text_of(at(Frame1)), L"Inverse Time Output");
    EXPECT_EQ(GetWindowLongW(at(Frame1), GWL_STYLE) & BS_TYPEMASK, BS_GROUPBOX);
    EXPECT_EQ(GetParent(at(Option5)), window.window()) << "IDs stay unique inside the frame";
    for (int option : {Option1, Option2, Option3, Option4, Option5})
        EXPECT_FALSE(is_checked(at(option)));
    // The one editable result: the computation writes it but never reads it.
    EXPECT_FALSE(GetWindowLongW(at(DR), GWL_STYLE) & ES_READONLY);
}

TEST_F(InverseTimeWindowTest, FollowsTheDpiOfItsMonitor) {
    RECT suggested;
    GetWindowRect(window.window(), &suggested);
    SendMessageW(window.window(), WM_DPICHANGED, MAKEWPARAM(120, 120),
                 reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(window.dpi(), 120);
    expect_controls_match_table(window, window.design());
    // Inside the frame: 360 + 240 twips, 12 twips a pixel at 120 DPI.
    EXPECT_EQ(placement_of(at(Option4)).left, 50);
}

TEST_F(InverseTimeWindowTest, ComputesTheNumberAndTheFeedOfTheWorkedExamples) {
    click(at(ComIVT));
    EXPECT_EQ(shown({DX, DY, DZ, DR, Dist, Time, IVT, Label6}), (Texts{{DX, L"1"},
                                                                       {DY, L"1"},
                                                                       {DZ, L"1"},
                                                                       {DR, L"0"},
                                                                       {Dist, L"1.7321"},
                                                                       {Time, L"0.1443"},
                                                                       {IVT, L"6.9282"},
                                                                       {Label6, L"Time (Min.)"}}));

    click(at(Option5));
    click(at(ComIVT));
    EXPECT_EQ(shown({Time, IVT, Label6}),
              (Texts{{Time, L"8.6603"}, {IVT, L"0.1155"}, {Label6, L"Time (Sec.)"}}));

    // The number computed in seconds is read back per minute; the caption stays.
    type_into(at(DR), L"typed");
    click(at(CompUPM));
    EXPECT_EQ(shown({FR, Time, Dist, DR, Label6}), (Texts{{FR, L"0.2"},
                                                          {Time, L"8.658"},
                                                          {Dist, L"1.7321"},
                                                          {DR, L"typed"},
                                                          {Label6, L"Time (Sec.)"}}));

    click(at(Option4));
    enter({{LX, L"2"},
           {LY, L"0"},
           {LZ, L"1.5"},
           {LR, L"0"},
           {CX, L"3"},
           {CY, L"1"},
           {CZ, L"2"},
           {CR, L"30"},
           {FR, L"40"}});
    click(at(ComIVT));
    EXPECT_EQ(shown({DX, DY, DZ, DR, Dist, Time, IVT, Label6}), (Texts{{DX, L"1"},
                                                                       {DY, L"1"},
                                                                       {DZ, L"0.5"},
                                                                       {DR, L"1.5984"},
                                                                       {Dist, L"2.192"},
                                                                       {Time, L"0.0548"},
                                                                       {IVT, L"18.248"},
                                                                       {Label6, L"Time (Min.)"}}));
    EXPECT_TRUE(boxes.shown.empty());
}

// At (3, 4, 0) the distances from the X, Y and Z axes are 4, 3 and 5.
TEST_F(InverseTimeWindowTest, TheRotaryOptionChoosesTheRadius) {
    enter({{LX, L"3"},
           {LY, L"4"},
           {LZ, L"0"},
           {LR, L"0"},
           {CX, L"3"},
           {CY, L"4"},
           {CZ, L"0"},
           {CR, L"90"}});
    click(at(ComIVT));
    EXPECT_EQ(text_of(at(DR)), L"4.7124") << "no option: from X and Z";
    for (const auto& [option, arc] :
         {std::pair{Option1, L"6.2832"}, {Option2, L"4.7124"}, {Option3, L"7.854"}}) {
        click(at(option));
        click(at(ComIVT));
        EXPECT_EQ(text_of(at(DR)), arc) << option;
    }
}

TEST_F(InverseTimeWindowTest, OptionGroupsAreIndependent) {
    click(at(Option5));
    click(at(Option3));
    EXPECT_TRUE(is_checked(at(Option5))) << "a rotary option leaves the time unit alone";
    click(at(Option4));
    EXPECT_FALSE(is_checked(at(Option5)));
    EXPECT_TRUE(is_checked(at(Option3))) << "a time unit leaves the rotary option alone";
    click(at(Option1));
    EXPECT_FALSE(is_checked(at(Option3)));
    EXPECT_TRUE(is_checked(at(Option4)));
}

TEST_F(InverseTimeWindowTest, ClearWritesZerosAndBlanksAndKeepsCaptionAndOptions) {
    click(at(Option5));
    click(at(Option2));
    click(at(ComIVT));
    click(at(CLEAR));
    EXPECT_EQ(all_texts(), (Texts{{LX, L"0"},
                                  {LY, L"0"},
                                  {LZ, L"0"},
                                  {LR, L"0"},
                                  {CX, L"0"},
                                  {CY, L"0"},
                                  {CZ, L"0"},
                                  {CR, L"0"},
                                  {DX, L" "},
                                  {DY, L" "},
                                  {DZ, L" "},
                                  {DR, L" "},
                                  {Dist, L" "},
                                  {Time, L" "},
                                  {FR, L"0"},
                                  {IVT, L"0"},
                                  {Label6, L"Time (Sec.)"}}));
    EXPECT_TRUE(is_checked(at(Option5)));
    EXPECT_TRUE(is_checked(at(Option2)));
}

TEST_F(InverseTimeWindowTest, AFailureShowsOneMessageAndWritesNothing) {
    const struct {
        const char* what;
        Texts typed;
        Tab button;
        std::wstring title;
        std::wstring names; // what the message must speak of
    } cases[] = {
        {"empty FR", {{FR, L""}}, ComIVT, L"Value missing", L"Please enter value for UPM Feed."},
        {"empty LY before empty IVT",
         {{LY, L""}, {IVT, L""}},
         CompUPM,
         L"Value missing",
         L"Please enter value for Previous Y-axis."},
        {"letters in CR", {{CR, L"abc"}}, ComIVT, L"Inverse Time Feed", L"Current Rotary Axis"},
        {"a feed of zero", {{FR, L"0"}}, ComIVT, L"Inverse Time Feed", L"UPM Feed"},
        {"no move",
         {{CX, L"0"}, {CY, L"0"}, {CZ, L"0"}},
         ComIVT,
         L"Inverse Time Feed",
         L"cut distance"},
        {"an FRN of zero", {{IVT, L"0"}}, CompUPM, L"Inverse Time Feed", L"1/T FRN"},
        {"IVT out of range",
         {{CX, L"0.0001"}, {CY, L"0"}, {CZ, L"0"}, {FR, L"60000"}},
         ComIVT,
         L"Inverse Time Feed",
         L"1/T FRN"},
        {"feed out of range",
         {{CX, L"3000"}, {IVT, L"1000"}},
         CompUPM,
         L"Inverse Time Feed",
         L"UPM Feed"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        click(at(CLEAR));
        enter({{CX, L"1"}, {CY, L"1"}, {CZ, L"1"}, {FR, L"12"}, {IVT, L"5"}});
        enter(c.typed);
        boxes.shown.clear();
        const Texts before = all_texts();
        click(at(c.button));
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.shown[0].style, 0);
        EXPECT_EQ(boxes.shown[0].title, c.title);
        EXPECT_NE(boxes.shown[0].text.find(c.names), std::wstring::npos)
            << ::testing::PrintToString(boxes.shown[0].text);
        EXPECT_EQ(all_texts(), before);
    }
}

TEST_F(InverseTimeWindowTest, ExitEndsTheProgram) {
    click(at(CmdEx));
    EXPECT_FALSE(IsWindow(window.window()));
    MSG message;
    EXPECT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

} // namespace
} // namespace ivt
