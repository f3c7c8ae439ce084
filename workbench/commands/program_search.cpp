#include "commands/program_search.h"

#include "commands/cl_pieces.h"

namespace workbench {

std::vector<std::wstring> path_list_folders(std::wstring_view list) {
    std::vector<std::wstring> folders(1);
    bool quoted = false;
    for (const wchar_t c : list) {
        if (c == L'"') {
            quoted = !quoted;
        } else if (c == L';' && !quoted) {
            if (!folders.back().empty()) folders.emplace_back();
        } else {
            folders.back() += c;
        }
    }
    if (folders.back().empty()) folders.pop_back();
    return folders;
}

std::vector<std::wstring> program_candidates(std::wstring_view name, const SearchFolders& folders) {
    std::vector<std::wstring> in_order;
    if (!folders.program_folder.empty()) in_order.push_back(folders.program_folder);
    if (folders.current_folder) in_order.push_back(*folders.current_folder);
    in_order.push_back(folders.system_folder);
    if (!folders.windows_folder.empty())
        in_order.push_back(file_in_folder(folders.windows_folder, L"System"));
    in_order.push_back(folders.windows_folder);
    for (auto& folder : path_list_folders(folders.path_variable))
        in_order.push_back(std::move(folder));

    std::vector<std::wstring> candidates;
    for (const auto& folder : in_order)
        if (!folder.empty()) candidates.push_back(file_in_folder(folder, name));
    return candidates;
}

} // namespace workbench
