#pragma once
// One CL statement taken apart: "MAJOR/value, value, ..." where each value is a number or
// a minor word. PARTNO is the exception: the rest of its statement is free text.

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace mill5x {

using ClValue = std::variant<double, std::string>; // a number or an upper-case minor word

struct ClRecord {
    std::string major; // upper case
    std::vector<ClValue> values;
    std::string text; // PARTNO only: its text, blanks around it removed
};

// Throws ClError for a value that is neither a number nor a word, an empty value, or text
// after a major word that takes no slash. Numbers are plain decimals with an optional sign
// and exponent; they must lie within ±999999.
ClRecord parse_cl_record(std::string_view statement);

// The values as numbers, or a ClError naming the major word and the position.
double number_at(const ClRecord& record, std::size_t index);
bool is_word(const ClValue& value, std::string_view word);

} // namespace mill5x
