#pragma once
// The list of a file's warnings, in a box of its own over the window.

#include <windows.h>

#include <string>
#include <vector>

namespace backplot::win {

inline constexpr int warnings_list_id = 100;

// Modal: returns once the user closes it (OK, Escape, the close button).
void show_warnings(HWND owner, const std::wstring& title, const std::vector<std::wstring>& lines);

} // namespace backplot::win
