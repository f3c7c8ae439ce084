#pragma once
// A path as the system resolves it.

#include <string>

namespace workbench::win {

// The full path of `path` ("\" is the current drive's root, "D:" that drive's current
// folder); empty when the system cannot resolve it.
std::wstring full_path(const std::wstring& path);

} // namespace workbench::win
