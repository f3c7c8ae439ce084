#pragma once
// Driving a window with the keyboard as a user does: keys go to the focused control through
// the message loop's dialog-box handling (IsDialogMessage), as in the programs.

#include "window_testing.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace desktop::testing {

inline void pump_keyboard_messages() {
    pump_messages(true);
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
    PostMessageW(GetFocus(), WM_KEYDOWN, key, 1);
    PostMessageW(GetFocus(), WM_KEYUP, key, 0xC0000001);
    pump_keyboard_messages();
    hold_key(VK_SHIFT, false);
}

// Tab (or Shift+Tab) all the way round from the focused control: every stop is visited once
// in tab order (backwards with Shift) and the cycle wraps; no label or frame takes the focus;
// each option group has one tab stop, so is one stop; no option button changes. Returns the
// tab indexes visited.
inline std::vector<int> expect_tab_cycle(const Form& form, bool shift) {
    const auto controls = form.design().controls;
    const auto options = [&] {
        std::vector<bool> states;
        for (int index = 0; index < static_cast<int>(controls.size()); ++index)
            states.push_back(is_checked(control_at(form, index)));
        return states;
    };
    const auto focused = [] { return GetDlgCtrlID(GetFocus()) - first_control_id; };
    const std::vector<bool> options_before = options();
    std::vector<int> visited{focused()};
    for (press(VK_TAB, shift); focused() != visited[0] && visited.size() < 200;
         press(VK_TAB, shift))
        visited.push_back(focused());
    EXPECT_EQ(focused(), visited[0]) << "the cycle comes back to where it began";
    int wraps = 0;
    std::map<std::wstring_view, int> group_stops;
    for (std::size_t n = 0; n < visited.size(); ++n) {
        const Control& row = controls[static_cast<std::size_t>(visited[n])];
        EXPECT_TRUE(row.kind != Kind::label && row.kind != Kind::frame) << visited[n];
        const int next = visited[(n + 1) % visited.size()];
        wraps += shift ? next > visited[n] : next < visited[n];
    }
    EXPECT_EQ(wraps, 1) << "the stops come in tab order";
    for (std::size_t index = 0; index < controls.size(); ++index) {
        const LONG style = GetWindowLongW(control_at(form, static_cast<int>(index)), GWL_STYLE);
        if (controls[index].kind == Kind::option_button)
            group_stops[controls[index].container] += (style & WS_TABSTOP) != 0;
    }
    for (const auto& [group, stops] : group_stops)
        EXPECT_EQ(stops, 1) << "an option group has one tab stop";
    EXPECT_EQ(options(), options_before) << "Tab changed an option";
    return visited;
}

} // namespace desktop::testing
