#pragma once
// The CL words MILL5X knows, with the syntax help that "?WORD" shows.

#include <span>
#include <string>
#include <string_view>

namespace mill5x {

struct MajorWord {
    std::string_view name;
    std::string_view help; // syntax lines, then what the word does on this machine
};

std::span<const MajorWord> major_words();

// The help of one major word (any letter case); for an empty or unknown word, the list of
// the words MILL5X knows.
std::string syntax_help(std::string_view word);

} // namespace mill5x
