#include "command_line.h"

namespace backplot {

std::wstring path_argument(std::wstring_view arguments) {
    constexpr std::wstring_view blanks = L" \t\r\n";
    const auto first = arguments.find_first_not_of(blanks);
    if (first == std::wstring_view::npos) return {};
    arguments = arguments.substr(first, arguments.find_last_not_of(blanks) - first + 1);
    if (arguments.front() != L'"') return std::wstring(arguments);
    // What follows the closing quote is no part of a path; a quote never closed ends there.
    const std::wstring_view quoted = arguments.substr(1);
    return std::wstring(quoted.substr(0, quoted.find(L'"')));
}

} // namespace backplot
