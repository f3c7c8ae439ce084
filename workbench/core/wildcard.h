#pragma once
// The system's file-name wildcards, as the file lists apply them.

#include "case_fold.h"

#include <string>
#include <string_view>
#include <vector>

namespace workbench {

// A file-name pattern: "*" stands for any run of characters, none included; "?" for
// exactly one character, or for none at the end of a name or of an extension; a "."
// followed by "*" or "?" also matches the end of a name without extension, so "*.*"
// matches every name and "PART1.*" matches PART1. Letter case is ignored. One pattern is
// used by one thread at a time: it keeps its working storage between names.
class WildcardPattern {
public:
    explicit WildcardPattern(std::wstring_view pattern, UpperCase upper = ascii_upper);
    bool matches(std::wstring_view name) const;

private:
    bool dot_may_match_end(std::size_t position) const;
    void follow_empty_matches(std::vector<char>& active, std::wstring_view name,
                              std::size_t at) const;

    std::wstring pattern_; // upper-cased
    UpperCase upper_;
    // The sets of pattern positions reached; kept so that matching a folder of 100,000
    // names allocates nothing per name.
    mutable std::vector<char> active_, next_;
};

} // namespace workbench
