#pragma once
// Where each line of a text begins, so that a list of a million lines can show any of them at
// once. Lines end with LF; a CR before it is not part of the line's text. A text that does not
// end with LF has a last line all the same; an empty text has none.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace backplot {

class LineIndex {
public:
    LineIndex() = default;
    explicit LineIndex(std::string_view text);

    std::size_t count() const { return count_; }
    // Line n counted from 1, without its line end; empty beyond the last line.
    std::string_view line(std::size_t n) const;
    std::size_t bytes_held() const;

private:
    std::size_t start(std::size_t i) const {
        return small_.empty() ? static_cast<std::size_t>(large_[i]) : small_[i];
    }

    std::string_view text_;
    // Each line's start and, past the last line, the text's end plus one: 32 bits a line
    // while the text is shorter than 4 GiB.
    std::vector<std::uint32_t> small_;
    std::vector<std::uint64_t> large_;
    std::size_t count_ = 0;
};

} // namespace backplot
