// The form layer on a small made-up window: what every program's window gets from its
// control table without code of its own.

#include "control_table_file.h"
#include "desktop/calculator.h"
#include "desktop/timer.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <stdexcept>
#include <thread>

namespace desktop {
namespace {

using namespace desktop::testing;

constexpr Font window_font{L"Tahoma", 12}, small_bold{L"Tahoma", 9.75, true},
    title_font{L"Tahoma", 15.75, true, true};

// The option groups are interleaved on purpose: a group is its container, not a run of rows.
// clang-format off
const Control controls[] = {
    // name        kind                      caption   tool tip        left  top   width height font        frame      selected
    {L"Name",      Kind::text_box,           L"start", L"Type a name", 1440, 240,  1440, 375},
    {L"NameLabel", Kind::label,              L"Name",  L"",            240,  240,  1440, 375, small_bold},
    {L"Shown",     Kind::read_only_text_box, L"",      L"Only shown",  3120, 240,  1440, 375},
    {L"Choice",    Kind::frame,              L"Choice", L"A frame",    240,  840,  2400, 1200, small_bold},
    {L"One",       Kind::option_button,      L"One",   L"The first",   120,  240,  1200, 375, {},         L"Choice"},
    {L"Left",      Kind::option_button,      L"Left",  L"",            2880, 840,  1200, 375},
    {L"Right",     Kind::option_button,      L"Right", L"",            2880, 1320, 1200, 375},
    {L"Two",       Kind::option_button,      L"Two",   L"",            120,  720,  1200, 375, {},         L"Choice", true},
    {L"Go",        Kind::command_button,     L"GO",    L"Go on",       4320, 840,  1200, 495, title_font},
    {L"Quit",      Kind::command_button,     L"Quit",  L"",            4320, 1440, 1200, 495},
    {L"Pick",      Kind::combo_box,          L"typed", L"Pick or type", 240, 2280, 2400, 375},
    {L"Items",     Kind::file_list,          L"",      L"",            2880, 2280, 2400, 1200},
};
const Line lines[] = {{L"Rule", 240, 3720, 5280, 3720}};

// clang-format on
enum Tab { Name, NameLabel, Shown, Choice, One, Left, Right, Two, Go, Quit, Pick, Items };

const FormDesign made_up{L"NctFormTest", L"Form test", 5760, 4080, window_font, 1, 1,
                         controls,       lines};

struct Fields {
    std::wstring name;
    int choice;
};

numbers::Outcome shout(const Fields& fields, wchar_t) {
    if (fields.name.empty()) return numbers::Message{L"No name.", L"Form test"};
    return numbers::Writes{{L"Shown", fields.name + L" " + std::to_wstring(fields.choice)},
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

using FormTest = WindowTest<TestForm>;

TEST_F(FormTest, EveryRowBecomesItsControlOptionsLinesItemsAndExit) {
    expect_window(window, L"Form test", 5760, 4080);
    EXPECT_TRUE(GetWindowLongW(window.window(), GWL_STYLE) & WS_THICKFRAME) << "a sizable border";
    // Each row's kind (class and style), ID, place, caption, tool tip and font (the window's
    // when the row names none).
    const auto expected = read_control_table("form_window.controls");
    expect_controls(window, expected);
    // The first control that takes the focus has it. Tab order is the rows' order without
    // labels and frames; an option group is one stop, its checked button or else its first;
    // Shift+Tab reaches the same stops backwards. Tab chooses no option: Windows and Wine 10
    // check an option that Tab gives the focus to, and the form takes the check back. Wine 8
    // checks none, so a click while Tab is held stands in for it before Shift+Tab goes round.
    const auto cycle = [&](UINT held) {
        const auto focused = [&] { // in an editable combo box, the field inside it
            const HWND focus = GetFocus();
            return GetDlgCtrlID(IsChild(at(Pick), focus) ? at(Pick) : focus) - first_control_id;
        };
        std::vector<int> stops{focused()};
        for (press(VK_TAB, held); GetFocus() != at(stops[0]) && stops.size() < 20;
             press(VK_TAB, held))
            stops.push_back(focused());
        return stops;
    };
    EXPECT_EQ(cycle(0), (std::vector<int>{Name, Shown, Left, Two, Go, Quit, Pick, Items}));
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_TAB] = 0x80; // held down
    SetKeyboardState(keys);
    click(at(Left));
    keys[VK_TAB] = 0;
    SetKeyboardState(keys);
    SetFocus(at(Name));
    EXPECT_EQ(cycle(VK_SHIFT), (std::vector<int>{Name, Items, Pick, Quit, Go, Two, Left, Shown}));
    // The frame lets the mouse through to the window: its tip is found there.
    const RECT frame = placement_of(at(Choice));
    wchar_t tip[64]{};
    TTHITTESTINFOW hit{window.window(), {frame.left + 3, frame.bottom - 3}, {sizeof hit.ti}};
    hit.ti.lpszText = tip;
    SendMessageW(tool_tips(window), TTM_HITTESTW, 0, reinterpret_cast<LPARAM>(&hit));
    EXPECT_STREQ(tip, L"A frame");
    EXPECT_EQ(tool_tip_of(window, GetWindow(at(Pick), GW_CHILD)), L"Pick or type")
        << "the field inside an editable combo box shows the box's tip";
    // A label or frame reaching into a field must not hide what is typed there.
    for (const auto& [above, beneath] : {std::pair{Name, NameLabel}, {One, Choice}}) {
        HWND next = at(above);
        while (next && next != at(beneath))
            next = GetWindow(next, GW_HWNDNEXT);
        EXPECT_EQ(next, at(beneath)) << beneath;
        EXPECT_TRUE(GetWindowLongW(at(beneath), GWL_STYLE) & WS_CLIPSIBLINGS) << beneath;
    }
    EXPECT_EQ(texts({One, Two, Left, Right}), L"-|x|-|-|") << "the rows' initial selection";
    click(at(One));
    EXPECT_EQ(texts({One, Two, Left, Right}), L"x|-|-|-|");
    click(at(Right));
    EXPECT_EQ(texts({One, Two, Left, Right}), L"x|-|-|x|");
    SetFocus(at(Right));
    press(VK_DOWN);
    EXPECT_EQ(GetFocus(), at(Left)) << "an arrow moves within the group, wrapping, and chooses";
    EXPECT_EQ(texts({One, Two, Left, Right}), L"x|-|x|-|");

    const auto pixel = [&](int x, int y) {
        pump_messages();
        return GetPixel(WindowDc(window.window()), window.to_pixels(x), window.to_pixels(y));
    };
    const COLORREF line = GetSysColor(COLOR_WINDOWTEXT), face = GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(pixel(2400, 3720), line);
    EXPECT_EQ(pixel(5280, 3720), line) << "the end point belongs to the line";
    EXPECT_EQ(pixel(2400, 3960), face);
    window.set_line(L"Rule", 240, 3960, 5280, 3960);
    EXPECT_EQ(pixel(2400, 3720), face);
    EXPECT_EQ(pixel(2400, 3960), line);

    const int new_dpi = window.dpi() == 120 ? 144 : 120;
    RECT suggested{10, 20, 510, 420}, now;
    SendMessageW(window.window(), WM_DPICHANGED, MAKEWPARAM(new_dpi, new_dpi),
                 reinterpret_cast<LPARAM>(&suggested));
    ASSERT_EQ(window.dpi(), new_dpi);
    expect_controls(window, expected);
    GetWindowRect(window.window(), &now);
    EXPECT_TRUE(EqualRect(&now, &suggested)) << "the window takes the place it is offered";

    // A list answers with nothing out of range or with nothing selected (its items and
    // selection are the workbench's, proven there).
    EXPECT_EQ(list_item_text(at(Items), 5) + combo_item_text(at(Pick), 0), L"");
    EXPECT_EQ(selected_item_text(at(Items)), std::nullopt);

    MSG message;
    { TestForm other; }
    EXPECT_FALSE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    click(at(Quit));
    EXPECT_FALSE(IsWindow(window.window()));
    EXPECT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

// Enter presses the focused button, Escape does nothing, a message writes nothing, a
// failure in a handler is told and the window goes on working.
TEST_F(FormTest, ACommandWritesItsTextsInOrderOrShowsOneMessage) {
    click(at(One));
    type({{Name, L"abc"}});
    SetFocus(at(Go));
    press(VK_RETURN);
    EXPECT_EQ(texts({Shown, Name}), L"abc 1||");
    press(VK_ESCAPE);
    EXPECT_EQ(GetFocus(), at(Go));
    click(at(Go));
    EXPECT_EQ(boxes, std::vector<std::wstring>{L"Form test: No name. (style 0)"});
    EXPECT_EQ(text_of(at(Shown)), L"abc 1");

    window.on_click(L"Quit", [] { throw std::runtime_error("out of memory"); });
    click(at(Quit));
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_TRUE(boxes[1].starts_with(L"Form test: ")) << boxes[1];
    EXPECT_NE(boxes[1].find(L"out of memory"), std::wstring::npos) << boxes[1];
    type({{Name, L"x"}});
    click(at(Go));
    EXPECT_EQ(text_of(at(Shown)), L"x 1");

    // The focus comes back after a real message box.
    window.set_message_box([this](std::wstring_view text, int, std::wstring_view title) {
        // Answers the box as a user would, after seeing it: Wine 10 without a window manager
        // gives the focus to its desktop when a box closes before Wine has handled the X
        // focus events of its opening.
        std::thread user([] {
            for (int tries = 0; tries < 250; ++tries, Sleep(20))
                if (HWND box = FindWindowW(L"#32770", L"Form test")) {
                    Sleep(200);
                    return (void)PostMessageW(box, WM_COMMAND, IDOK, 0);
                }
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

// Each timer ticks its own owner, a stopped one no more, a failure in a tick is told like a
// handler's, and the form's own timer (its tool tips) still comes to it.
TEST(Timer, TicksItsOwnerOnlyAndLeavesTheFormItsOwn) {
    TestForm form;
    std::vector<std::wstring> boxes;
    form.set_message_box([&](std::wstring_view text, int, std::wstring_view) {
        boxes.emplace_back(text);
        return IDOK;
    });
    int first = 0, second = 0;
    Timer one(form, [&] { ++first; });
    Timer two(form, [&] {
        if (++second == 1) throw std::runtime_error("no tick");
    });
    form.show();
    one.start(USER_TIMER_MINIMUM);
    two.start(USER_TIMER_MINIMUM);
    const auto pump_until = [](auto condition) {
        for (int waited = 0; waited < 2000 && !condition(); waited += 10, Sleep(10))
            pump_messages();
    };
    pump_until([&] { return first >= 3 && second >= 3; });
    one.stop();
    const int stopped_at = first;
    pump_until([&] { return second >= stopped_at + 6; });
    EXPECT_EQ(first, stopped_at);
    EXPECT_GE(second, stopped_at + 6);
    EXPECT_TRUE(boxes.size() == 1 && boxes[0].ends_with(L"no tick"))
        << ::testing::PrintToString(boxes);
    EXPECT_NE(tool_tips(form), nullptr);
}

// A malformed row of a window's control table fails the test with the file and line named;
// the other rows are still read.
TEST(ControlTableFile, AMalformedRowIsNamedAndSkipped) {
    for (const char* row :
         {"0\tlabel\ta\tb\t1\t2\t3", "x\tlabel\ta\tb\t1\t2\t3\t4\t", "0\tknob\ta\tb\t1\t2\t3\t4\t",
          "0\tlabel\ta\tb\t1\t2\t3\t4\tTahoma bold", "0\tlabel\ta\tb\t1\t2\t3\t4\t\t1\t2",
          "0\tlabel\ta\tb\t1\t2\t3\t4\t\tf"}) {
        std::istringstream text(
            std::string("header\n0\tframe\t*\t\t1\t2\t3\t4\tMS Sans Serif 8\n") + row);
        std::vector<ExpectedControl> rows;
        EXPECT_NONFATAL_FAILURE(rows = parse_control_table(text, "made-up.controls"),
                                "made-up.controls:3: not a control row");
        EXPECT_EQ(rows.size(), 1u);
    }
    EXPECT_NONFATAL_FAILURE(read_control_table("missing.controls"), "cannot read missing.controls");
}

// The program folder is proven by the tests finding their control table files there.
TEST(SystemHelpers, MessagesForErrorCodes) {
    const std::wstring not_found = system_message(ERROR_FILE_NOT_FOUND);
    ASSERT_FALSE(not_found.empty());
    EXPECT_NE(not_found.back(), L'\n') << "no line break of its own";
    EXPECT_EQ(system_message(0x2000FFFF), L"System error 536936447.") << "one the system lacks";
}

} // namespace
} // namespace desktop
