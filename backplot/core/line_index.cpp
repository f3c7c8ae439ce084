#include "line_index.h"

#include <cstring>
#include <limits>

namespace backplot {

namespace {

template <typename Offset>
std::size_t index_lines(std::string_view text, std::vector<Offset>& starts) {
    // Counted first, so that the index is allocated once at its size.
    std::size_t ends = 0;
    for (const char *at = text.data(), *end = text.data() + text.size();
         (at = static_cast<const char*>(std::memchr(at, '\n', static_cast<std::size_t>(end - at))));
         ++at)
        ++ends;
    const bool open_last = !text.empty() && text.back() != '\n';
    const std::size_t count = ends + (open_last ? 1 : 0);
    starts.reserve(count + 1);
    starts.push_back(0);
    const char* const first = text.data();
    for (const char *at = first, *end = first + text.size();
         (at =
              static_cast<const char*>(std::memchr(at, '\n', static_cast<std::size_t>(end - at))));)
        starts.push_back(static_cast<Offset>(++at - first));
    if (open_last) starts.push_back(static_cast<Offset>(text.size() + 1));
    return count;
}

} // namespace

LineIndex::LineIndex(std::string_view text) : text_(text) {
    if (text.size() < std::numeric_limits<std::uint32_t>::max())
        count_ = index_lines(text, small_);
    else
        count_ = index_lines(text, large_);
}

std::string_view LineIndex::line(std::size_t n) const {
    if (n == 0 || n > count_) return {};
    const std::size_t first = start(n - 1), next = start(n);
    std::string_view line = text_.substr(first, next - 1 - first);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

std::size_t LineIndex::bytes_held() const {
    return small_.capacity() * sizeof(std::uint32_t) + large_.capacity() * sizeof(std::uint64_t);
}

} // namespace backplot
