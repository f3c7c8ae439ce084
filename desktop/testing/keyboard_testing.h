#pragma once
// Driving a window with the keyboard as a user does: keys go to the focused control through
// the message loop's dialog-box handling (IsDialogMessage), as in the programs.

#include "window_testing.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

namespace desktop::testing {

// Handles what is waiting the way the programs' message loop does, keys included.
inline void pump_keyboard_messages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) continue;
        const HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
        if (root && IsDialogMessageW(root, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// Sets whether the thread sees `key` as held down.
inline void hold_key(UINT key, bool down) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[key] = down ? 0x80 : 0;
    SetKeyboardState(keys);
}

// Presses and releases `key` on the focused control, with Shift held when asked.
inline void press(UINT key, bool shift = false) {
    hold_key(VK_SHIFT, shift);
    const HWND focus = GetFocus();
    PostMessageW(focus, WM_KEYDOWN, key, 1);
    PostMessageW(focus, WM_KEYUP, key, 0xC0000001);
    pump_keyboard_messages();
    hold_key(VK_SHIFT, false);
}

// The thread's tool-tip window, which the form made.
inline HWND tool_tips(const Form& form) {
    HWND found = nullptr;
    EnumThreadWindows(
        GetWindowThreadProcessId(form.window(), nullptr),
        [](HWND window, LPARAM result) {
            wchar_t name[64]{};
            GetClassNameW(window, name, 64);
            if (_wcsicmp(name, TOOLTIPS_CLASSW) != 0) return TRUE;
            *reinterpret_cast<HWND*>(result) = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// The tool tip the form shows when the mouse rests at `point` of its client area.
inline std::wstring tool_tip_at(const Form& form, POINT point) {
    wchar_t text[256]{};
    TTHITTESTINFOW hit{};
    hit.hwnd = form.window();
    hit.pt = point;
    hit.ti.cbSize = sizeof hit.ti;
    hit.ti.lpszText = text;
    SendMessageW(tool_tips(form), TTM_HITTESTW, 0, reinterpret_cast<LPARAM>(&hit));
    return text;
}

inline int focused_tab_index() {
    return GetDlgCtrlID(GetFocus()) - first_control_id;
}

inline std::vector<bool> option_states(const Form& form) {
    std::vector<bool> states;
    for (int index = 0; HWND control = control_at(form, index); ++index)
        states.push_back(is_checked(control));
    return states;
}

// Tab (or Shift+Tab) all the way round from the focused control: every stop is visited once
// in tab order (backwards with Shift) and the cycle wraps; no label or frame takes the focus;
// each option group is one stop; no option button changes. Returns the tab indexes visited.
inline std::vector<int> expect_tab_cycle(const Form& form, bool shift) {
    const std::vector<bool> options_before = option_states(form);
    const int start = focused_tab_index();
    std::vector<int> visited{start};
    for (int step = 0; step < 200; ++step) {
        press(VK_TAB, shift);
        if (focused_tab_index() == start) break;
        visited.push_back(focused_tab_index());
    }
    EXPECT_EQ(focused_tab_index(), start) << "the cycle wraps to where it began";
    std::set<std::wstring_view> groups;
    int wraps = 0;
    for (std::size_t n = 0; n < visited.size(); ++n) {
        const Control& row = form.design().controls[static_cast<std::size_t>(visited[n])];
        EXPECT_NE(row.kind, Kind::label) << "a label took the focus";
        EXPECT_NE(row.kind, Kind::frame) << "a frame took the focus";
        if (row.kind == Kind::option_button) {
            EXPECT_TRUE(groups.insert(row.container).second) << "an option group is one stop";
        }
        const int next = visited[(n + 1) % visited.size()];
        if (shift ? next > visited[n] : next < visited[n]) ++wraps;
    }
    EXPECT_EQ(wraps, 1) << "the stops come in tab order";
    std::map<std::wstring_view, int> stops_of_group;
    for (std::size_t index = 0; index < form.design().controls.size(); ++index) {
        const Control& row = form.design().controls[index];
        if (row.kind != Kind::option_button) continue;
        const LONG style = GetWindowLongW(control_at(form, static_cast<int>(index)), GWL_STYLE);
        stops_of_group[row.container] += (style & WS_TABSTOP) ? 1 : 0;
    }
    for (const auto& [group, stops] : stops_of_group)
        EXPECT_EQ(stops, 1) << "an option group has one tab stop";
    EXPECT_EQ(option_states(form), options_before) << "Tab changed an option";
    return visited;
}

} // namespace desktop::testing
