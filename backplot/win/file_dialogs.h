#pragma once
// The standard open dialogs of the window: an NC program or CL file, and a machine's settings
// file.

#include <windows.h>

#include <optional>
#include <string>

namespace backplot::win {

// The file chosen, starting in the folder of `current` (when there is one); nothing on Cancel.
std::optional<std::wstring> choose_program(HWND owner, const std::wstring& current);
std::optional<std::wstring> choose_settings(HWND owner, const std::wstring& current);

} // namespace backplot::win
