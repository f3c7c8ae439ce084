#pragma once
// The system's words for an error code, shared by the window and the Shell.

#include <windows.h>

#include <string>

namespace workbench {

// The system's text for `error`, without its trailing line break; a plain "System error N."
// when the system has none.
std::wstring system_message(DWORD error);

} // namespace workbench
