// The form layer on a small made-up window: what every program's window gets from its
// control table without code of its own.

#include "desktop/calculator.h"
#include "keyboard_testing.h"
#include "window_testing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cwctype>
#include <stdexcept>
#include <thread>

namespace desktop {
namespace {

using namespace desktop::testing;

constexpr Font window_font{L"Tahoma", 12};
constexpr Font small_bold{L"Tahoma", 9.75, true};
constexpr Font title_font{L"Tahoma", 15.75, true, true};

// The option groups are interleaved on purpose: a group is its container, not a run of rows.
// clang-format off
const Control controls[] = {
    // name        kind                      caption   tool tip        left  top   width height font        frame      selected
    {L"Name",      Kind::text_box,           L"start", L"Type a name", 1440, 240,  1440, 375},
    {L"NameLabel", Kind::label,              L"Name",  L"",            240,  240,  1440, 375, small_bold},
    {L"Shown",     Kind::read_only_text_box, L"",      L"Only shown",  3120, 240,  1440, 375},
    {L"Choice",    Kind::frame,              L"Choice", L"A frame",    240,  840,  2400, 1200, small_bold},
    {L"One",       Kind::option_button,      L"One",   L"The first",   120,  240,  1200, 375, {},         L"Choice"},
    {L"Left",      Kind::option_button,      L"Left",  L"",            2880, 840,  1200, 375, {},         {},        true},
    {L"Two",       Kind::option_button,      L"Two",   L"",            120,  720,  1200, 375, {},         L"Choice", true},
    {L"Right",     Kind::option_button,      L"Right", L"",            2880, 1320, 1200, 375},
    {L"Go",        Kind::command_button,     L"GO",    L"Go on",       4320, 840,  1200, 495, title_font},
    {L"Quit",      Kind::command_button,     L"Quit",  L"",            4320, 1440, 1200, 495},
    {L"Pick",      Kind::combo_box,          L"typed", L"Pick or type", 240, 2280, 2400, 375},
    {L"Items",     Kind::file_list,          L"",      L"",            2880, 2280, 2400, 1200},
};
const Line lines[] = {{L"Rule", 240, 3720, 5280, 3720}};

// The same window written out again as a user would check it, number by number; the rows
// without a font of their own show the window's.
const ExpectedControl expected[] = {
    {0,  Kind::text_box,           L"start",  L"Type a name",  1440, 240,  1440, 375, window_font},
    {1,  Kind::label,              L"Name",   L"",             240,  240,  1440, 375, small_bold},
    {2,  Kind::read_only_text_box, L"",       L"Only shown",   3120, 240,  1440, 375, window_font},
    {3,  Kind::frame,              L"Choice", L"A frame",      240,  840,  2400, 1200, small_bold},
    {4,  Kind::option_button,      L"One",    L"The first",    120,  240,  1200, 375, window_font, 3},
    {5,  Kind::option_button,      L"Left",   L"",             2880, 840,  1200, 375, window_font},
    {6,  Kind::option_button,      L"Two",    L"",             120,  720,  1200, 375, window_font, 3},
    {7,  Kind::option_button,      L"Right",  L"",             2880, 1320, 1200, 375, window_font},
    {8,  Kind::command_button,     L"GO",     L"Go on",        4320, 840,  1200, 495, title_font},
    {9,  Kind::command_button,     L"Quit",   L"",             4320, 1440, 1200, 495, window_font},
    {10, Kind::combo_box,          L"typed",  L"Pick or type", 240,  2280, 2400, 375, window_font},
    {11, Kind::file_list,          L"",       L"",             2880, 2280, 2400, 1200, window_font},
};
// clang-format on
enum Tab { Name, NameLabel, Shown, Choice, One, Left, Two, Right, Go, Quit, Pick, Items };

const FormDesign made_up{
    .window_class = L"NctFormTest",
    .caption = L"Form test",
    .client_width = 5760,
    .client_height = 4080,
    .font = window_font,
    .controls = controls,
    .lines = lines,
};

struct Fields {
    std::wstring name;
    int choice;
};

numbers::Outcome shout(const Fields& fields, wchar_t) {
    if (fields.name.empty()) return numbers::Message{L"No name.", L"Form test"};
    std::wstring loud = fields.name;
    for (wchar_t& c : loud)
        c = static_cast<wchar_t>(std::towupper(c));
    return numbers::Writes{{L"Shown", loud + L" " + std::to_wstring(fields.choice)},
                           {L"Name", L""}};
}

const Command<Fields> commands[] = {{L"Go", shout}};

class TestForm : public Calculator<Fields> {
public:
    TestForm() : Calculator(made_up, commands, L"Quit") {}

private:
    Fields fields() const override {
        return {text(L"Name"), chosen({{L"One", 1}, {L"Two", 2}}, 0)};
    }
};

class FormTest : public WindowTest<TestForm> {
protected:
    COLORREF pixel(int x_twips, int y_twips) {
        pump_messages();
        return GetPixel(WindowDc(window.window()), window.to_pixels(x_twips),
                        window.to_pixels(y_twips));
    }
};

TEST_F(FormTest, EveryRowBecomesTheControlItDescribes) {
    expect_window(window, L"Form test", 5760, 4080);
    expect_controls(window, expected);
    EXPECT_EQ(GetFocus(), at(Name)) << "the first control that takes the focus";
    EXPECT_EQ(window.control_id(L"Items"), 1011) << "1000 + tab index";
    EXPECT_EQ(tool_tip_of(window, GetWindow(at(Pick), GW_CHILD)), L"Pick or type")
        << "the field inside an editable combo box shows the box's tip";
}

TEST_F(FormTest, OptionButtonsFormOneGroupPerContainer) {
    const auto states = [&] {
        std::wstring all;
        for (int tab : {One, Two, Left, Right})
            all += is_checked(at(tab)) ? L"x" : L"-";
        return all;
    };
    EXPECT_EQ(states(), L"-xx-") << "the rows' initial selection";
    click(at(One));
    EXPECT_EQ(states(), L"x-x-");
    click(at(Right));
    EXPECT_EQ(states(), L"x--x");
    EXPECT_EQ(window.chosen({{L"Left", 1}, {L"Right", 2}}, 0), 2);
}

TEST_F(FormTest, LabelsAndFramesLieBeneathTheOtherControls) {
    // A label reaching into its field must not hide what is typed there.
    for (const auto& [above, beneath] : {std::pair{Name, NameLabel}, {One, Choice}}) {
        HWND next = at(above);
        while (next && next != at(beneath))
            next = GetWindow(next, GW_HWNDNEXT);
        EXPECT_EQ(next, at(beneath)) << beneath;
        EXPECT_TRUE(GetWindowLongW(at(beneath), GWL_STYLE) & WS_CLIPSIBLINGS) << beneath;
    }
}

TEST_F(FormTest, LinesAreDrawnOnTheWindowAndMove) {
    const COLORREF line = GetSysColor(COLOR_WINDOWTEXT), face = GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(pixel(2400, 3720), line);
    EXPECT_EQ(pixel(5280, 3720), line) << "the end point belongs to the line";
    EXPECT_EQ(pixel(2400, 3960), face);
    window.set_line(L"Rule", 240, 3960, 5280, 3960);
    EXPECT_EQ(pixel(2400, 3720), face);
    EXPECT_EQ(pixel(2400, 3960), line);
}

TEST_F(FormTest, ADpiChangeScalesPlacesAndFonts) {
    const int new_dpi = window.dpi() == 120 ? 144 : 120;
    RECT suggested{10, 20, 510, 420};
    SendMessageW(window.window(), WM_DPICHANGED, MAKEWPARAM(new_dpi, new_dpi),
                 reinterpret_cast<LPARAM>(&suggested));
    ASSERT_EQ(window.dpi(), new_dpi);
    expect_controls(window, expected);
    RECT now;
    GetWindowRect(window.window(), &now);
    EXPECT_TRUE(EqualRect(&now, &suggested)) << "the window takes the place it is offered";
}

TEST_F(FormTest, ACommandWritesItsTextsInOrderOrShowsOneMessage) {
    click(at(Two));
    type({{Name, L"abc"}});
    click(at(Go));
    EXPECT_EQ(text_of(at(Shown)) + L"|" + text_of(at(Name)), L"ABC 2|");
    click(at(Go));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, L"No name.");
    EXPECT_EQ(boxes.shown[0].title, L"Form test");
    EXPECT_EQ(boxes.shown[0].style, 0);
    EXPECT_EQ(text_of(at(Shown)), L"ABC 2") << "a message writes nothing";
}

TEST_F(FormTest, TheExitButtonEndsTheProgramButDestroyingTheFormDoesNot) {
    click(at(Quit));
    EXPECT_FALSE(IsWindow(window.window()));
    MSG message;
    EXPECT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    { TestForm other; }
    EXPECT_FALSE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST_F(FormTest, ItemTextsOfListsAndComboBoxes) {
    for (const wchar_t* item : {L"first", L"second"}) {
        SendMessageW(at(Items), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        SendMessageW(at(Pick), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
    EXPECT_EQ(list_item_text(at(Items), 1), L"second");
    EXPECT_EQ(list_item_text(at(Items), 5), L"") << "no such item";
    EXPECT_EQ(combo_item_text(at(Pick), 0), L"first");
    EXPECT_EQ(selected_index(at(Items)), std::nullopt);
    SendMessageW(at(Items), LB_SETCURSEL, 1, 0);
    EXPECT_EQ(selected_index(at(Items)), 1);
    EXPECT_EQ(selected_item_text(at(Items)), L"second");
}

TEST_F(FormTest, EnterPressesTheFocusedButtonAndEscapeDoesNothing) {
    type({{Name, L"abc"}});
    SetFocus(at(Go));
    press(VK_RETURN);
    EXPECT_EQ(text_of(at(Shown)), L"ABC 2");
    press(VK_ESCAPE);
    EXPECT_EQ(GetFocus(), at(Go));
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(FormTest, TheFocusComesBackAfterARealMessageBox) {
    window.set_message_box([this](std::wstring_view text, int, std::wstring_view title) {
        std::thread user([] { // answers the box as a user would
            for (int tries = 0; tries < 250; ++tries, Sleep(20))
                if (HWND box = FindWindowW(L"#32770", L"Form test"))
                    return (void)PostMessageW(box, WM_COMMAND, IDOK, 0);
        });
        const int code = MessageBoxW(window.window(), std::wstring(text).c_str(),
                                     std::wstring(title).c_str(), MB_OK);
        user.join();
        return code;
    });
    SetFocus(at(Go));
    press(VK_RETURN); // no name: a message
    EXPECT_TRUE(IsChild(window.window(), GetFocus()));
}

TEST_F(FormTest, AFailureInAHandlerIsToldAndTheWindowStays) {
    window.on_click(L"Quit", [] { throw std::runtime_error("out of memory"); });
    click(at(Quit));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].title, L"Form test");
    EXPECT_NE(boxes.shown[0].text.find(L"out of memory"), std::wstring::npos);
    type({{Name, L"x"}});
    click(at(Go));
    EXPECT_EQ(text_of(at(Shown)), L"X 2") << "the window goes on working";
}

TEST(SystemHelpers, MessagesForErrorCodesAndTheProgramFolder) {
    const std::wstring not_found = system_message(ERROR_FILE_NOT_FOUND);
    ASSERT_FALSE(not_found.empty());
    EXPECT_NE(not_found.back(), L'\n') << "no line break of its own";
    EXPECT_EQ(system_message(0x2000FFFF), L"System error 536936447.") << "one the system lacks";
    const std::wstring folder = program_folder();
    EXPECT_TRUE(folder.ends_with(L"\\desktop")) << ::testing::PrintToString(folder);
}

} // namespace
} // namespace desktop
