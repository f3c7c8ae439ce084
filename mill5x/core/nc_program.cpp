#include "nc_program.h"

#include <charconv>

namespace mill5x {

void NcProgram::block(const std::vector<std::string>& words) {
    ++block_count_;
    const std::size_t start = new_lines_.size();
    if (step_ > 0) {
        char digits[24];
        new_lines_ += 'N';
        new_lines_.append(digits,
                          std::to_chars(digits, digits + sizeof digits, block_count_ * step_).ptr);
    }
    for (const std::string& word : words) {
        if (word.empty()) continue;
        if (new_lines_.size() > start) new_lines_ += ' ';
        new_lines_ += word;
    }
    new_lines_ += "\r\n";
}

void NcProgram::line(const std::string& text) {
    new_lines_ += text;
    new_lines_ += "\r\n";
}

} // namespace mill5x
