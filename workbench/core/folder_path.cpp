#include "folder_path.h"

#include "case_fold.h"

#include <algorithm>

namespace workbench {

std::vector<std::wstring> folder_levels(std::wstring_view path) {
    std::vector<std::wstring> levels;
    std::size_t root_end = 0;
    if (path.size() >= 2 && path[1] == L':') {
        root_end = 2;
    } else if (path.starts_with(L"\\\\")) {
        // \\server\share: the root runs to the end of the share name.
        const auto server_end = path.find(L'\\', 2);
        root_end = server_end == std::wstring_view::npos
                       ? path.size()
                       : std::min(path.find(L'\\', server_end + 1), path.size());
    }
    levels.emplace_back(path.substr(0, root_end));
    levels.back() += L'\\';
    std::size_t at = root_end;
    while (at < path.size()) {
        if (path[at] == L'\\') {
            ++at;
            continue;
        }
        const auto end = std::min(path.find(L'\\', at), path.size());
        levels.emplace_back(path.substr(at, end - at));
        at = end;
    }
    return levels;
}

std::wstring normalized_folder(std::wstring_view path) {
    const auto levels = folder_levels(path);
    return folder_path(levels, levels.size());
}

std::wstring folder_path(const std::vector<std::wstring>& levels, std::size_t count) {
    std::wstring path;
    for (std::size_t i = 0; i < count && i < levels.size(); ++i) {
        if (i > 1) path += L'\\';
        path += levels[i];
    }
    return path;
}

std::wstring folder_of_item(const std::vector<std::wstring>& levels, std::size_t index,
                            std::wstring_view item_text) {
    if (index < levels.size()) return folder_path(levels, index + 1);
    std::wstring path = folder_path(levels, levels.size());
    if (path.back() != L'\\') path += L'\\';
    return path += item_text;
}

std::wstring drive_item_text(wchar_t letter, std::wstring_view label) {
    std::wstring text{static_cast<wchar_t>(letter >= L'A' && letter <= L'Z' ? letter + 32 : letter),
                      L':'};
    if (!label.empty()) {
        text += L" [";
        text += label;
        text += L']';
    }
    return text;
}

std::optional<std::wstring> share_item_text(std::wstring_view path) {
    if (!path.starts_with(L"\\\\")) return std::nullopt;
    std::wstring root = folder_levels(path).front();
    root.pop_back();
    return root;
}

std::optional<wchar_t> drive_letter_of(std::wstring_view text) {
    if (text.size() < 2 || text[1] != L':') return std::nullopt;
    const wchar_t letter = ascii_upper(text[0]);
    if (letter < L'A' || letter > L'Z') return std::nullopt;
    return letter;
}

} // namespace workbench
