#include "file_type_filter.h"

#include "name_rules.h"

namespace workbench {

std::optional<std::wstring> file_type_pattern(int position, std::wstring_view cl_file) {
    if (position < 0 || position >= static_cast<int>(file_types.size())) return std::nullopt;
    if (position == current_files_position) return cl_file_base(cl_file) + L".*";
    return std::wstring(file_types[position].pattern);
}

} // namespace workbench
