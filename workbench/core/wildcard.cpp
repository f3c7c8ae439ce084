#include "wildcard.h"

#include <algorithm>
#include <vector>

namespace workbench {

WildcardPattern::WildcardPattern(std::wstring_view pattern, UpperCase upper)
    : pattern_(pattern), upper_(upper), active_(pattern_.size() + 1), next_(pattern_.size() + 1) {
    for (wchar_t& c : pattern_)
        c = upper_(c);
}

bool WildcardPattern::dot_may_match_end(std::size_t position) const {
    return pattern_[position] == L'.' && position + 1 < pattern_.size() &&
           (pattern_[position + 1] == L'*' || pattern_[position + 1] == L'?');
}

// The pattern positions reachable without consuming a character of the name at `at`.
void WildcardPattern::follow_empty_matches(std::vector<char>& active, std::wstring_view name,
                                           std::size_t at) const {
    const bool at_end = at == name.size();
    const bool before_dot = !at_end && name[at] == L'.';
    for (std::size_t p = 0; p < pattern_.size(); ++p) {
        if (!active[p]) continue;
        const wchar_t c = pattern_[p];
        if (c == L'*' || (c == L'?' && (at_end || before_dot)) || (at_end && dot_may_match_end(p)))
            active[p + 1] = 1;
    }
}

// A set of pattern positions advanced one name character at a time: linear in the name's
// length for any pattern, with no backtracking.
bool WildcardPattern::matches(std::wstring_view name) const {
    auto& active = active_;
    auto& next = next_;
    std::fill(active.begin(), active.end(), 0);
    active[0] = 1;
    for (std::size_t at = 0; at < name.size(); ++at) {
        follow_empty_matches(active, name, at);
        const wchar_t c = upper_(name[at]);
        std::fill(next.begin(), next.end(), 0);
        bool any = false;
        for (std::size_t p = 0; p < pattern_.size(); ++p) {
            if (!active[p]) continue;
            const wchar_t want = pattern_[p];
            if (want == L'*')
                next[p] = 1;
            else if (want == L'?' || want == c)
                next[p + 1] = 1;
            any = true;
        }
        if (!any) return false;
        active.swap(next);
    }
    follow_empty_matches(active, name, name.size());
    return active[pattern_.size()] != 0;
}

} // namespace workbench
