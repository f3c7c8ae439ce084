#pragma once
// Letter case in file names. Windows compares file names by upper-casing both sides with
// its own table; the portable code takes that table as a function so that the shell can
// hand in the system's and the native tests can use plain ASCII.

#include <string>
#include <string_view>
#include <vector>

namespace workbench {

using UpperCase = wchar_t (*)(wchar_t);

inline wchar_t ascii_upper(wchar_t c) {
    return c >= L'a' && c <= L'z' ? c - (L'a' - L'A') : c;
}

// Sorts names in the order a file or folder list shows them: without regard to letter
// case, and names that differ only in case in a fixed order.
void sort_names(std::vector<std::wstring>& names, UpperCase upper = ascii_upper);

} // namespace workbench
