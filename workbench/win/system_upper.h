#pragma once
// Windows' own upper-casing of file-name characters, for the portable name rules.

namespace workbench::win {

// The system's upper case of `c` (from a table made on first use).
wchar_t system_upper(wchar_t c);

} // namespace workbench::win
