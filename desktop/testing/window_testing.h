#pragma once
// What the window tests do to a window, the way an automation tool would: find controls by
// their ID (1000 + tab index), type, click, read back; and a message box that records.

#include "desktop/form.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace desktop::testing {

inline HWND control_at(const Form& form, int tab_index) {
    return GetDlgItem(form.window(), first_control_id + tab_index);
}

inline std::wstring text_of(HWND window) {
    return window_text(window);
}

inline std::wstring class_of(HWND window) {
    wchar_t name[64]{};
    GetClassNameW(window, name, 64);
    return name;
}

inline void type_into(HWND window, const std::wstring& text) {
    SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

inline void click(HWND button) {
    SendMessageW(button, BM_CLICK, 0, 0);
}

inline bool is_checked(HWND button) {
    return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// The control's rectangle in pixels of its parent's client area.
inline RECT placement_of(HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// Handles what is waiting, so that painting and tool tips happen as they would for a user.
inline void pump_messages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

struct ShownMessage {
    std::wstring text;
    int style;
    std::wstring title;
};

// Stands in for MessageBoxW: records every box and answers with the queued button codes
// (OK when the queue is empty).
struct RecordingMessageBox {
    std::vector<ShownMessage> shown;
    std::vector<int> answers;

    MessageBoxFunction function() {
        return [this](std::wstring_view text, int style, std::wstring_view title) {
            shown.push_back({std::wstring(text), style, std::wstring(title)});
            if (answers.empty()) return 1;
            const int answer = answers.front();
            answers.erase(answers.begin());
            return answer;
        };
    }
};

// The tool-tip text a form shows for one of its controls; empty when it has none.
inline std::wstring tool_tip_of(const Form& form, HWND control) {
    HWND tips = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM found) {
            wchar_t name[64]{};
            GetClassNameW(window, name, 64);
            if (_wcsicmp(name, TOOLTIPS_CLASSW) != 0) return TRUE;
            *reinterpret_cast<HWND*>(found) = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&tips));
    if (!tips) return {};
    wchar_t text[512]{};
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = form.window();
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = text;
    SendMessageW(tips, TTM_GETTEXTW, 512, reinterpret_cast<LPARAM>(&tool));
    if (!text[0]) { // a frame's tip is a rectangle of the window, known by the frame's ID
        tool.uId = static_cast<UINT_PTR>(GetDlgCtrlID(control));
        SendMessageW(tips, TTM_GETTEXTW, 512, reinterpret_cast<LPARAM>(&tool));
    }
    return text;
}

// The window class and the style bits a control of each kind must have: a label notifies
// (SS_NOTIFY) for its tool tip to show; only a read-only text box is read-only.
struct KindLook {
    Kind kind;
    const wchar_t* window_class;
    LONG style_mask, style;
};
inline constexpr KindLook kind_looks[] = {
    {Kind::command_button, L"Button", BS_TYPEMASK, BS_PUSHBUTTON},
    {Kind::label, L"Static", SS_NOTIFY, SS_NOTIFY},
    {Kind::text_box, L"Edit", ES_READONLY, 0},
    {Kind::read_only_text_box, L"Edit", ES_READONLY, ES_READONLY},
    {Kind::option_button, L"Button", BS_TYPEMASK, BS_AUTORADIOBUTTON},
    {Kind::frame, L"Button", BS_TYPEMASK, BS_GROUPBOX},
    {Kind::combo_box, L"ComboBox", CBS_DROPDOWNLIST, CBS_DROPDOWN},
    {Kind::drive_list, L"ComboBox", CBS_DROPDOWNLIST, CBS_DROPDOWNLIST},
    {Kind::folder_list, L"ListBox", LBS_OWNERDRAWFIXED, LBS_OWNERDRAWFIXED},
    {Kind::file_list, L"ListBox", LBS_OWNERDRAWFIXED, 0},
};

inline void expect_kind(HWND control, Kind kind, const std::wstring& name) {
    for (const KindLook& look : kind_looks) {
        if (look.kind != kind) continue;
        EXPECT_EQ(_wcsicmp(class_of(control).c_str(), look.window_class), 0)
            << ::testing::PrintToString(name);
        EXPECT_EQ(GetWindowLongW(control, GWL_STYLE) & look.style_mask, look.style)
            << ::testing::PrintToString(name);
    }
}

// A window with a layout rule moves its controls from their design places: it checks
// everything else with Places::not_checked.
enum class Places { checked, not_checked };
enum class Captions { checked, not_checked };

// One control as the window is meant to show it: the tab index, what kind of control it
// is, its caption or initial text, its tool tip, its place in twips, relative to the frame
// (given by its tab index) it lies in or else to the window's client area, and its font
// (not checked when it names no face).
struct ExpectedControl {
    int tab;
    Kind kind;
    std::wstring_view caption;
    std::wstring_view tool_tip;
    int left, top, width, height;
    Font font = {};
    int frame = -1;
};

inline void expect_font(const Form& form, HWND control, const Font& expected,
                        const std::wstring& name) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font,
               &font);
    EXPECT_EQ(std::wstring(font.lfFaceName), std::wstring(expected.face))
        << ::testing::PrintToString(name);
    EXPECT_EQ(-font.lfHeight, std::lround(expected.points * form.dpi() / 72))
        << ::testing::PrintToString(name);
    EXPECT_EQ(font.lfWeight >= FW_BOLD, expected.bold) << ::testing::PrintToString(name);
    EXPECT_EQ(font.lfUnderline != 0, expected.underline) << ::testing::PrintToString(name);
}

// Checks a form's controls against the expected rows at the form's current DPI, and
// that the form has no control the table lacks. Drop-down lists are not placed by height:
// their window also holds the room of the open list.
inline void expect_controls(const Form& form, std::span<const ExpectedControl> expected,
                            Places places = Places::checked,
                            Captions captions = Captions::checked) {
    const auto px = [&](int twips) { return MulDiv(twips, form.dpi(), 1440); };
    EXPECT_EQ(control_at(form, static_cast<int>(expected.size())), nullptr) << "a control more";
    for (const ExpectedControl& row : expected) {
        const std::wstring name = L"tab " + std::to_wstring(row.tab);
        const HWND control = control_at(form, row.tab);
        ASSERT_NE(control, nullptr) << ::testing::PrintToString(name);
        expect_kind(control, row.kind, name);
        if (captions == Captions::checked) {
            EXPECT_EQ(text_of(control), row.caption) << ::testing::PrintToString(name);
        }
        EXPECT_EQ(tool_tip_of(form, control), row.tool_tip) << ::testing::PrintToString(name);
        if (!row.font.face.empty()) expect_font(form, control, row.font, name);
        if (places == Places::not_checked) continue;
        int left = row.left, top = row.top;
        for (const ExpectedControl& frame : expected)
            if (frame.tab == row.frame) left += frame.left, top += frame.top;
        const RECT placed = placement_of(control);
        EXPECT_EQ(placed.left, px(left)) << ::testing::PrintToString(name);
        EXPECT_EQ(placed.top, px(top)) << ::testing::PrintToString(name);
        EXPECT_EQ(placed.right, px(left + row.width)) << ::testing::PrintToString(name);
        if (row.kind != Kind::combo_box && row.kind != Kind::drive_list) {
            EXPECT_EQ(placed.bottom, px(top + row.height)) << ::testing::PrintToString(name);
        }
    }
}

// Checks every control of a form against its own table (for a window whose control table is
// not yet written in its test as ExpectedControl rows).
inline void expect_controls_match_table(const Form& form, const FormDesign& design,
                                        Places places = Places::checked) {
    std::vector<ExpectedControl> rows;
    for (const Control& row : design.controls) {
        int frame = -1;
        for (std::size_t index = 0; index < design.controls.size(); ++index)
            if (!row.container.empty() && design.controls[index].name == row.container)
                frame = static_cast<int>(index);
        rows.push_back({static_cast<int>(rows.size()),
                        row.kind,
                        {},
                        row.tool_tip,
                        row.left,
                        row.top,
                        row.width,
                        row.height,
                        {},
                        frame});
    }
    expect_controls(form, rows, places, Captions::not_checked);
}

// Checks a form's caption and the size of its client area in twips at its current DPI.
inline void expect_window(const Form& form, std::wstring_view caption, int client_width,
                          int client_height) {
    EXPECT_EQ(text_of(form.window()), caption);
    RECT client;
    GetClientRect(form.window(), &client);
    EXPECT_EQ(client.right, MulDiv(client_width, form.dpi(), 1440));
    EXPECT_EQ(client.bottom, MulDiv(client_height, form.dpi(), 1440));
}

// A test with the real window of a program, shown, whose message boxes are recorded.
template <class Window> class WindowTest : public ::testing::Test {
protected:
    WindowTest() {
        window.set_message_box(boxes.function());
        window.show();
        pump_messages();
    }
    HWND at(int tab_index) const { return control_at(window, tab_index); }
    void type(std::initializer_list<std::pair<int, const wchar_t*>> typed) {
        for (const auto& [tab_index, text] : typed)
            type_into(at(tab_index), text);
    }

    Window window;
    RecordingMessageBox boxes;
};

} // namespace desktop::testing
