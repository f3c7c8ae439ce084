#include "settings_search.h"

#include "core/case_fold.h"
#include "core/config_file.h"
#include "core/folder_path.h"

#include <algorithm>

namespace backplot {

namespace {

std::wstring joined(std::wstring_view folder, std::wstring_view name) {
    std::wstring path(folder);
    if (!path.empty() && path.back() != L'\\') path += L'\\';
    return path + std::wstring(name);
}

bool same_path(std::wstring_view a, std::wstring_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](wchar_t x, wchar_t y) {
               return workbench::ascii_upper(x) == workbench::ascii_upper(y);
           });
}

} // namespace

std::optional<std::wstring> pp_folder_of_config(std::wstring text) {
    workbench::ConfigReader reader(std::move(text));
    for (int skipped = 0; skipped < 2; ++skipped)
        if (!reader.next_value()) return std::nullopt;
    auto folder = reader.next_value();
    if (!folder || folder->empty()) return std::nullopt;
    return folder;
}

std::vector<std::wstring> settings_candidates(std::wstring_view name,
                                              const SettingsPlaces& places) {
    if (const auto slash = name.find_last_of(L"\\/:"); slash != std::wstring_view::npos)
        name.remove_prefix(slash + 1);
    if (name.empty()) return {};
    std::vector<std::wstring> folders;
    if (places.pp_folder) folders.push_back(*places.pp_folder);
    const std::wstring program_folder = folder_of(places.program_path);
    if (!program_folder.empty()) {
        folders.push_back(program_folder);
        const auto levels = workbench::folder_levels(program_folder);
        if (!levels.empty()) folders.push_back(levels.front() + L"trelvo\\bin");
    }
    std::vector<std::wstring> paths;
    for (const std::wstring& folder : folders) {
        std::wstring path = joined(folder, name);
        if (std::ranges::none_of(paths, [&](const std::wstring& p) { return same_path(p, path); }))
            paths.push_back(std::move(path));
    }
    return paths;
}

std::wstring settings_not_found_note(std::wstring_view name,
                                     const std::vector<std::wstring>& candidates) {
    std::wstring note = L"No settings file " + std::wstring(name);
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        note += i == 0 ? L" in " : i + 1 == candidates.size() ? L" or " : L", ";
        note += folder_of(candidates[i]);
    }
    return note + L": choose it with File, Machine Settings.";
}

} // namespace backplot
