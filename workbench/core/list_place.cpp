#include "core/list_place.h"

#include <unordered_map>

namespace workbench {

ListPlace kept_place(const std::vector<std::wstring>& before, const ListPlace& place,
                     const std::vector<std::wstring>& after) {
    // Folders can hold tens of thousands of files: each key is looked up once.
    std::unordered_map<std::wstring_view, std::size_t> index_after;
    index_after.reserve(after.size());
    for (std::size_t index = 0; index < after.size(); ++index)
        index_after.try_emplace(after[index], index);
    const auto now = [&](std::size_t index) -> std::optional<std::size_t> {
        if (index >= before.size()) return std::nullopt;
        const auto found = index_after.find(before[index]);
        if (found == index_after.end()) return std::nullopt;
        return found->second;
    };

    ListPlace kept{place.highlighted ? now(*place.highlighted) : std::nullopt, after.size()};
    for (std::size_t index = place.top; index < before.size(); ++index) {
        if (const auto top = now(index)) {
            kept.top = *top;
            break;
        }
    }
    return kept;
}

} // namespace workbench
