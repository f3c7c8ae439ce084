#pragma once
// The input box: a #32770 dialog whose caption is the title, with the prompt,
// one edit field that starts empty, OK and Cancel.

#include <windows.h>

#include <string>
#include <string_view>

namespace desktop {

inline constexpr int input_box_prompt_id = 100;
inline constexpr int input_box_field_id = 101;

// The typed text on OK; "" on Cancel or when the box is closed.
std::wstring input_box(HWND owner, std::wstring_view prompt, std::wstring_view title);

} // namespace desktop
