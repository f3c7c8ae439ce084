#pragma once
// What the window tests do to a window, the way an automation tool would: find controls by
// their ID (1000 + tab index), type, click, press keys, read back; and a message box that
// records.

#include "desktop/form.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <tuple>
#include <vector>

namespace desktop::testing {

inline HWND control_at(const Form& form, int tab_index) {
    return GetDlgItem(form.window(), first_control_id + tab_index);
}

inline std::wstring text_of(HWND window) {
    return window_text(window);
}

inline void click(HWND button) {
    SendMessageW(button, BM_CLICK, 0, 0);
}

// The control's rectangle in pixels of its parent's client area.
inline RECT placement_of(HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// Handles what is waiting, so that painting and tool tips happen as they would for a user;
// with `dialog_keys` keys go through dialog-box handling as in the programs' message loop.
inline void pump_messages(bool dialog_keys = false) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) continue;
        const HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
        // As in the programs' message loop: the menu's shortcuts first, then dialog keys.
        if (dialog_keys && root) {
            if (const Form* form = Form::of(root); form && form->translate_shortcut(message))
                continue;
            if (IsDialogMessageW(root, &message)) continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// Presses and releases `key` on the focused control, with `held` (VK_SHIFT, say) held down
// meanwhile; the keys go through dialog-box handling (IsDialogMessage), as in the programs'
// message loop, and are down in the keyboard state while it handles them, as when typed.
inline void press(UINT key, UINT held = 0) {
    const auto hold = [&](bool down) {
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[key] = down ? 0x80 : 0;
        if (held) keys[held] = keys[key];
        SetKeyboardState(keys);
    };
    hold(true);
    PostMessageW(GetFocus(), WM_KEYDOWN, key, 1);
    pump_messages(true);
    hold(false);
    PostMessageW(GetFocus(), WM_KEYUP, key, 0xC0000001);
    pump_messages(true);
}

// The form's tool-tip window, which it owns; a shown form makes it on its own soon after.
inline HWND tool_tips(const Form& form) {
    for (int waits = 0;; ++waits, Sleep(USER_TIMER_MINIMUM), pump_messages()) {
        HWND tips = FindWindowExW(nullptr, nullptr, TOOLTIPS_CLASSW, nullptr);
        while (tips && GetWindow(tips, GW_OWNER) != form.window())
            tips = FindWindowExW(nullptr, tips, TOOLTIPS_CLASSW, nullptr);
        if (tips || waits == 50) return tips;
    }
}

// The tool-tip text a form shows for one of its controls; empty when it has none. A frame's
// tip is a rectangle of the window, known by the frame's ID.
inline std::wstring tool_tip_of(const Form& form, HWND control) {
    const HWND tips = tool_tips(form);
    wchar_t text[512]{};
    TTTOOLINFOW tool{sizeof tool, 0, form.window(), reinterpret_cast<UINT_PTR>(control)};
    tool.lpszText = text;
    SendMessageW(tips, TTM_GETTEXTW, 512, reinterpret_cast<LPARAM>(&tool));
    tool.uId = static_cast<UINT_PTR>(GetDlgCtrlID(control));
    if (!text[0]) SendMessageW(tips, TTM_GETTEXTW, 512, reinterpret_cast<LPARAM>(&tool));
    return text;
}

// A window with a layout rule moves its controls from their design places: it checks
// everything else with Places::not_checked.
enum class Places { checked, not_checked };

// One control as the window is meant to show it; its place in twips is relative to its frame
// (by tab index) or else to the client area. No caption: set at run time, not checked; a font
// without a face: not checked.
struct ExpectedControl {
    int tab;
    std::wstring kind; // as a control table names it: "read-only text box"
    std::optional<std::wstring> caption;
    std::wstring tool_tip;
    int left, top, width, height;
    std::wstring face;
    double points = 0;
    bool bold = false, underline = false;
    int frame = -1;
};

// Each kind of control by its name in a control table, with its window class and the style
// bits that tell it: a label notifies (SS_NOTIFY) for its tool tip to show; only a read-only
// text box is read-only; a text list holds no items of its own (LVS_OWNERDATA).
// clang-format off
inline const std::map<std::wstring, std::tuple<std::wstring_view, LONG, LONG>> control_kinds = {
    {L"command button", {L"Button", BS_TYPEMASK, BS_PUSHBUTTON}},   {L"label", {L"Static", SS_NOTIFY, SS_NOTIFY}},
    {L"text box", {L"Edit", ES_READONLY, 0}},                       {L"read-only text box", {L"Edit", ES_READONLY, ES_READONLY}},
    {L"option button", {L"Button", BS_TYPEMASK, BS_AUTORADIOBUTTON}}, {L"frame", {L"Button", BS_TYPEMASK, BS_GROUPBOX}},
    {L"combo box", {L"ComboBox", CBS_DROPDOWNLIST, CBS_DROPDOWN}},  {L"drive list", {L"ComboBox", CBS_DROPDOWNLIST, CBS_DROPDOWNLIST}},
    {L"folder list", {L"ListBox", LBS_OWNERDRAWFIXED, LBS_OWNERDRAWFIXED}}, {L"file list", {L"ListBox", LBS_OWNERDRAWFIXED, 0}},
    {L"picture", {picture_class, 0, 0}},                             {L"text list", {L"SysListView32", LVS_OWNERDATA, LVS_OWNERDATA}},
    {L"status bar", {L"msctls_statusbar32", 0, 0}},                 {L"toolbar", {L"ToolbarWindow32", 0, 0}}};
// clang-format on

// Checks a form's controls against the expected rows at the form's current DPI, and that
// the form has no control the table lacks. Drop-down lists are not placed by height: their
// window holds the open list.
inline void expect_controls(const Form& form, std::span<const ExpectedControl> expected,
                            Places places = Places::checked) {
    const auto px = [&](int twips) { return MulDiv(twips, form.dpi(), 1440); };
    EXPECT_EQ(control_at(form, static_cast<int>(expected.size())), nullptr) << "a control more";
    for (const ExpectedControl& row : expected) {
        SCOPED_TRACE(::testing::Message() << "tab " << row.tab);
        const HWND control = control_at(form, row.tab);
        ASSERT_NE(control, nullptr);
        const auto& [window_class, style_mask, style] = control_kinds.at(row.kind);
        wchar_t class_name[64]{};
        GetClassNameW(control, class_name, 64);
        EXPECT_EQ(_wcsicmp(class_name, window_class.data()), 0);
        EXPECT_EQ(GetWindowLongW(control, GWL_STYLE) & style_mask, style);
        EXPECT_EQ(text_of(control), row.caption.value_or(text_of(control)));
        EXPECT_EQ(tool_tip_of(form, control), row.tool_tip);
        if (!row.face.empty()) {
            LOGFONTW font{};
            GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)),
                       sizeof font, &font);
            EXPECT_EQ(std::tuple(std::wstring(font.lfFaceName), -font.lfHeight,
                                 font.lfWeight >= FW_BOLD, font.lfUnderline != 0),
                      std::tuple(row.face, std::lround(row.points * form.dpi() / 72), row.bold,
                                 row.underline));
        }
        if (places == Places::not_checked) continue;
        int left = row.left, top = row.top;
        for (const ExpectedControl& frame : expected)
            if (frame.tab == row.frame) left += frame.left, top += frame.top;
        const RECT placed = placement_of(control);
        const bool list = window_class == L"ComboBox";
        EXPECT_EQ((std::array{placed.left, placed.top, placed.right, list ? 0 : placed.bottom}),
                  (std::array<LONG, 4>{px(left), px(top), px(left + row.width),
                                       list ? 0 : px(top + row.height)}));
    }
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
        window.set_message_box([this](std::wstring_view text, int style, std::wstring_view title) {
            boxes.push_back(std::wstring(title) + L": " + std::wstring(text) + L" (style " +
                            std::to_wstring(style) + L")");
            return IDOK;
        });
        window.show();
        pump_messages();
    }
    HWND at(int tab_index) const { return control_at(window, tab_index); }
    void type(std::initializer_list<std::pair<int, const wchar_t*>> typed) {
        for (const auto& [tab_index, text] : typed)
            SendMessageW(at(tab_index), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    }
    // The texts of controls in one line, an option button's as x or -: "10|x|-|".
    std::wstring texts(std::initializer_list<int> tab_indexes) const {
        std::wstring all;
        for (int tab : tab_indexes) {
            const bool option = window.design().controls[tab].kind == Kind::option_button;
            const bool checked = SendMessageW(at(tab), BM_GETCHECK, 0, 0) == BST_CHECKED;
            all += (option ? (checked ? L"x" : L"-") : text_of(at(tab))) + L"|";
        }
        return all;
    }

    Window window;
    std::vector<std::wstring> boxes; // "title: text (style 0)" for each message box shown
};

} // namespace desktop::testing
