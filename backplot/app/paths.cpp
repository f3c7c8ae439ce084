#include "paths.h"

namespace backplot {

std::wstring folder_of(std::wstring_view path) {
    const auto slash = path.find_last_of(L"\\/");
    if (slash == std::wstring_view::npos) return {};
    // A drive root keeps its "\": C:\A.NC is in C:\.
    if (slash == 2 && path.size() > 2 && path[1] == L':') return std::wstring(path.substr(0, 3));
    return std::wstring(path.substr(0, slash));
}

std::wstring file_name_of(std::wstring_view path) {
    const auto slash = path.find_last_of(L"\\/");
    return std::wstring(slash == std::wstring_view::npos ? path : path.substr(slash + 1));
}

std::wstring extension_of(std::wstring_view path) {
    const std::wstring name = file_name_of(path);
    const auto dot = name.find_last_of(L'.');
    return dot == std::wstring::npos ? std::wstring() : name.substr(dot + 1);
}

} // namespace backplot
