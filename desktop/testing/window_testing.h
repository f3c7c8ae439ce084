#pragma once
// What the window tests do to a window, the way an automation tool would: find controls by
// their ID (1000 + tab index), type, click, read back; and a message box that records.

#include "desktop/form.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace desktop::testing {

inline HWND control_at(const Form& form, int tab_index) {
    return GetDlgItem(form.window(), first_control_id + tab_index);
}

inline std::wstring text_of(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
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

// Checks every control of a form against its table at the form's current DPI: the window
// class by kind, the ID by tab index, and the place in pixels.
// A window with a layout rule moves its controls from their design places: it checks
// everything else with Places::not_checked.
enum class Places { checked, not_checked };

inline void expect_controls_match_table(const Form& form, const FormDesign& design,
                                        Places places = Places::checked) {
    const int dpi = form.dpi();
    auto px = [dpi](int twips) { return MulDiv(twips, dpi, 1440); };
    for (std::size_t index = 0; index < design.controls.size(); ++index) {
        const Control& row = design.controls[index];
        const std::wstring name(row.name);
        const HWND control = control_at(form, static_cast<int>(index));
        ASSERT_NE(control, nullptr)
            << "no control with the ID of " << ::testing::PrintToString(name);
        const std::wstring expected_class = [&] {
            switch (row.kind) {
            case Kind::label:
                return L"Static";
            case Kind::text_box:
            case Kind::read_only_text_box:
                return L"Edit";
            case Kind::combo_box:
            case Kind::drive_list:
                return L"ComboBox";
            case Kind::folder_list:
            case Kind::file_list:
                return L"ListBox";
            default:
                return L"Button";
            }
        }();
        EXPECT_EQ(_wcsicmp(class_of(control).c_str(), expected_class.c_str()), 0)
            << ::testing::PrintToString(name);
        const LONG style = GetWindowLongW(control, GWL_STYLE);
        const auto button_type = [&](LONG type) {
            EXPECT_EQ(style & BS_TYPEMASK, type) << ::testing::PrintToString(name);
        };
        if (row.kind == Kind::command_button) button_type(BS_PUSHBUTTON);
        if (row.kind == Kind::option_button) button_type(BS_AUTORADIOBUTTON);
        if (row.kind == Kind::frame) button_type(BS_GROUPBOX);
        if (row.kind == Kind::label) {
            EXPECT_TRUE(style & SS_NOTIFY) << ::testing::PrintToString(name);
        }
        if (row.kind == Kind::read_only_text_box || row.kind == Kind::text_box) {
            EXPECT_EQ((GetWindowLongW(control, GWL_STYLE) & ES_READONLY) != 0,
                      row.kind == Kind::read_only_text_box)
                << ::testing::PrintToString(name);
        }
        EXPECT_EQ(tool_tip_of(form, control), row.tool_tip) << ::testing::PrintToString(name);
        // A drop-down's window also holds the room of its open list.
        if (row.kind == Kind::combo_box || row.kind == Kind::drive_list ||
            places == Places::not_checked)
            continue;
        int left = row.left, top = row.top;
        for (const Control& frame : design.controls)
            if (!row.container.empty() && frame.name == row.container)
                left += frame.left, top += frame.top;
        const RECT placed = placement_of(control);
        EXPECT_EQ(placed.left, px(left)) << ::testing::PrintToString(name);
        EXPECT_EQ(placed.top, px(top)) << ::testing::PrintToString(name);
        EXPECT_EQ(placed.right, px(left + row.width)) << ::testing::PrintToString(name);
        EXPECT_EQ(placed.bottom, px(top + row.height)) << ::testing::PrintToString(name);
    }
}

// Checks a whole window against its design: class, caption, client size and every control,
// at the window's DPI and again after the window is told its monitor has 120 DPI.
inline void expect_window_matches_design(Form& form) {
    const FormDesign& design = form.design();
    EXPECT_EQ(class_of(form.window()), design.window_class);
    EXPECT_EQ(text_of(form.window()), design.caption);
    RECT client;
    GetClientRect(form.window(), &client);
    EXPECT_EQ(client.right, MulDiv(design.client_width, form.dpi(), 1440));
    EXPECT_EQ(client.bottom, MulDiv(design.client_height, form.dpi(), 1440));
    expect_controls_match_table(form, design);

    RECT suggested;
    GetWindowRect(form.window(), &suggested);
    SendMessageW(form.window(), WM_DPICHANGED, MAKEWPARAM(120, 120),
                 reinterpret_cast<LPARAM>(&suggested));
    ASSERT_EQ(form.dpi(), 120);
    expect_controls_match_table(form, design);
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
