#include "name_rules.h"

namespace workbench {

std::wstring cl_file_base(std::wstring_view cl_file) {
    const auto dot = cl_file.rfind(L'.');
    if (dot == std::wstring_view::npos || dot == 0) return {};
    return std::wstring(cl_file.substr(0, dot));
}

std::wstring pp_name_of(std::wstring_view file_name) {
    return std::wstring(file_name.substr(0, file_name.find(L'.')));
}

} // namespace workbench
