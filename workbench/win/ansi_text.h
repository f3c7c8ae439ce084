#pragma once
// Text written by older versions in the system's ANSI code page.

#include <string>
#include <string_view>

namespace workbench::win {

// 8-bit text in the system's ANSI code page, as wide text.
std::wstring ansi_to_wide(std::string_view bytes);

} // namespace workbench::win
