#pragma once
// Driving a window with the keyboard as a user does: keys go to the focused control through
// the message loop's dialog-box handling (IsDialogMessage), as in the programs.

#include "window_testing.h"

namespace desktop::testing {

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
    pump_messages(true);
    hold_key(VK_SHIFT, false);
}

} // namespace desktop::testing
