#pragma once
// The NC program as it grows: numbers the blocks, and remembers which blocks the CL record
// now being post-processed produced, for the listing.

#include <string>
#include <vector>

namespace mill5x {

class NcProgram {
public:
    explicit NcProgram(int block_number_step) : step_(block_number_step) {}

    // A numbered block of the given words (joined with blanks).
    void block(const std::vector<std::string>& words);
    // A line written as it stands: "%" or a comment.
    void line(const std::string& text);

    const std::string& text() const { return text_; }
    int block_count() const { return block_count_; }

    // The lines written since the last call.
    std::vector<std::string> take_new_lines();

private:
    int step_;
    int block_count_ = 0;
    std::string text_;
    std::vector<std::string> new_lines_;
};

} // namespace mill5x
