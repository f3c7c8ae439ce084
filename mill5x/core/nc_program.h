#pragma once
// The NC program as it grows: numbers the blocks, and holds the lines the CL record now being
// post-processed produced until they are written to the program and the listing.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace mill5x {

class NcProgram {
public:
    explicit NcProgram(int block_number_step) : step_(block_number_step) {}

    // A numbered block of the given words (joined with blanks).
    void block(const std::vector<std::string>& words);
    // A line written as it stands: "%", a comment or an inserted line.
    void line(const std::string& text);

    std::int64_t block_count() const { return block_count_; }

    // The lines written since clear_new_lines, each ending with CR LF.
    std::string_view new_lines() const { return new_lines_; }
    void clear_new_lines() { new_lines_.clear(); }

private:
    std::int64_t step_;
    // 64 bits: a long program with a large step passes 2^31 (2.2 million blocks at 1000).
    std::int64_t block_count_ = 0;
    std::string new_lines_;
};

} // namespace mill5x
