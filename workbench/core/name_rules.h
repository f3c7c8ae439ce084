#pragma once
// How the workbench cuts file names: the base of the selected CL file (up to its last
// ".") and the post-processor's name (up to its first ".").

#include <string>
#include <string_view>

namespace workbench {

// The text before the last "."; empty when the name is empty, holds no "." or holds its
// only "." as first character.
std::wstring cl_file_base(std::wstring_view cl_file);

// The file name up to, not including, its first "."; the whole name when it has none.
std::wstring pp_name_of(std::wstring_view file_name);

} // namespace workbench
