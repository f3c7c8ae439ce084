#include "nc_program.h"

#include <utility>

namespace mill5x {

void NcProgram::block(const std::vector<std::string>& words) {
    ++block_count_;
    std::string text;
    if (step_ > 0) text = 'N' + std::to_string(block_count_ * step_);
    for (const std::string& word : words) {
        if (word.empty()) continue;
        if (!text.empty()) text += ' ';
        text += word;
    }
    line(text);
}

void NcProgram::line(const std::string& text) {
    text_ += text;
    text_ += "\r\n";
    new_lines_.push_back(text);
}

std::vector<std::string> NcProgram::take_new_lines() {
    return std::exchange(new_lines_, {});
}

} // namespace mill5x
