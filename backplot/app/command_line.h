#pragma once
// The file Backplot is asked to open, from the arguments of its command line (all that follows
// the program's own name): `Backplot.exe "C:\JOBS\A B\PART.NC1"` as the workbench starts it,
// or unquoted, blanks and all, as a user or a batch file may write it.

#include <string>
#include <string_view>

namespace backplot {

// The path in double quotes, or else the whole text without its outer blanks; empty when there
// is none.
std::wstring path_argument(std::wstring_view arguments);

} // namespace backplot
