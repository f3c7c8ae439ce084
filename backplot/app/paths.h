#pragma once
// The pieces of a Windows path that the window shows or looks beside.

#include <string>
#include <string_view>

namespace backplot {

// The folder of a path, without its last "\" and name; a drive root keeps its "\" (C:\).
// Empty for a bare name.
std::wstring folder_of(std::wstring_view path);

// The name without its folder: "BLADE5X.NC1".
std::wstring file_name_of(std::wstring_view path);

// The name's extension without its dot ("NC1"); empty when it has none.
std::wstring extension_of(std::wstring_view path);

} // namespace backplot
