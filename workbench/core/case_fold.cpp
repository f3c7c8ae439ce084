#include "case_fold.h"

#include <algorithm>
#include <numeric>

namespace workbench {

void sort_names(std::vector<std::wstring>& names, UpperCase upper) {
    // Upper-casing inside the comparison would repeat it O(n log n) times; for folders of
    // 100,000 files each key is made once and the names are moved into place at the end.
    std::vector<std::wstring> keys(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        keys[i].resize(names[i].size());
        std::transform(names[i].begin(), names[i].end(), keys[i].begin(), upper);
    }
    std::vector<std::size_t> order(names.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        if (const int c = keys[a].compare(keys[b]); c != 0) return c < 0;
        return names[a] < names[b];
    });
    std::vector<std::wstring> sorted;
    sorted.reserve(names.size());
    for (std::size_t i : order)
        sorted.push_back(std::move(names[i]));
    names = std::move(sorted);
}

} // namespace workbench
