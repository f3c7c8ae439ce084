#pragma once
// One CL statement taken apart: "MAJOR/value, value, ..." where each value is a number or
// a minor word. The major word is everything before the slash, so the words of other
// dialects ("TOOL PATH", "END-OF-PATH") are recognised; the free-text words (PARTNO, PPRINT,
// INSERT) take the rest of the statement as their text instead of values.

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace cl {

using Value = std::variant<double, std::string>; // a number or an upper-case minor word

struct Record {
    std::string major;         // upper case, blanks between its words made single
    std::string text;          // after the major word and its slash, blanks around it removed
    std::vector<Value> values; // filled by parse_values
};

// Splits off the major word. Reuses the record's storage: it is called once a statement.
void read_major(std::string_view statement, Record& record);

// Parses the text as values; a free-text word has none. Throws Error for a value that is
// neither a number nor a word, or an empty value. Numbers are plain decimals with an optional
// sign and exponent; they must lie within ±999999.
void parse_values(Record& record);

// The text of a free-text word, without the quotes around it.
std::string_view free_text(const Record& record);

// The values as numbers, or a Error naming the major word and the position.
double number_at(const Record& record, std::size_t index);
bool is_word(const Value& value, std::string_view word);

} // namespace cl
