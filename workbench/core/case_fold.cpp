#include "case_fold.h"

#include <algorithm>
#include <cstdint>

namespace workbench {

void sort_names(std::vector<std::wstring>& names, UpperCase upper) {
    // Upper-casing inside the comparison would repeat it O(n log n) times: for folders of
    // 100,000 files the keys are made once, side by side in one buffer, and the names are
    // moved into place at the end.
    struct Key {
        std::uint32_t offset, length, index;
    };
    std::size_t total = 0;
    for (const auto& name : names)
        total += name.size();
    std::wstring folded(total, L'\0');
    std::vector<Key> keys(names.size());
    std::size_t offset = 0;
    for (std::size_t i = 0; i < names.size(); ++i) {
        std::transform(names[i].begin(), names[i].end(), folded.begin() + offset, upper);
        keys[i] = {static_cast<std::uint32_t>(offset), static_cast<std::uint32_t>(names[i].size()),
                   static_cast<std::uint32_t>(i)};
        offset += names[i].size();
    }
    const std::wstring_view all = folded;
    std::sort(keys.begin(), keys.end(), [&](const Key& a, const Key& b) {
        const int c = all.substr(a.offset, a.length).compare(all.substr(b.offset, b.length));
        if (c != 0) return c < 0;
        return names[a.index] < names[b.index];
    });
    std::vector<std::wstring> sorted;
    sorted.reserve(names.size());
    for (const Key& key : keys)
        sorted.push_back(std::move(names[key.index]));
    names = std::move(sorted);
}

} // namespace workbench
