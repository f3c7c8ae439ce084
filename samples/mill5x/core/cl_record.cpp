#include "cl_record.h"

#include "cl_error.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace mill5x {

namespace {

constexpr double largest_number = 999999.0;

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::string upper(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return result;
}

bool is_letter(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}
bool is_word_char(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
}

ClValue parse_value(const std::string& major, std::string_view raw) {
    const std::string_view text = trimmed(raw);
    if (text.empty()) throw ClError(major + ": a value is missing between commas");
    if (is_letter(text.front())) {
        for (char c : text)
            if (!is_word_char(c))
                throw ClError(major + ": malformed word '" + std::string(text) + "'");
        return upper(text);
    }
    // from_chars takes no plus sign, and would take "inf" and "nan": CL numbers are decimals.
    std::string_view digits = text;
    if (digits.front() == '+') digits.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                              std::chars_format::general);
    const bool whole = error == std::errc() && end == digits.data() + digits.size();
    const bool signed_twice = text.front() == '+' && !digits.empty() && digits.front() == '-';
    if (!whole || signed_twice || !std::isfinite(value))
        throw ClError(major + ": malformed number '" + std::string(text) + "'");
    if (std::fabs(value) > largest_number)
        throw ClError(major + ": number out of range '" + std::string(text) + "'");
    return value;
}

} // namespace

ClRecord parse_cl_record(std::string_view statement) {
    const std::string_view text = trimmed(statement);
    std::size_t length = 0;
    while (length < text.size() && is_word_char(text[length]))
        ++length;
    ClRecord record;
    record.major = upper(text.substr(0, length));
    if (record.major.empty() || !is_letter(record.major.front()))
        throw ClError("statement does not begin with a major word: '" + std::string(text) + "'");

    std::string_view rest = trimmed(text.substr(length));
    if (record.major == "PARTNO") {
        if (!rest.empty() && rest.front() == '/') rest = trimmed(rest.substr(1));
        record.text = std::string(rest);
        return record;
    }
    if (rest.empty()) return record;
    if (rest.front() != '/')
        throw ClError(record.major + ": unexpected text '" + std::string(rest) + "'");
    rest.remove_prefix(1);
    while (true) {
        const auto comma = rest.find(',');
        record.values.push_back(parse_value(record.major, rest.substr(0, comma)));
        if (comma == std::string_view::npos) break;
        rest.remove_prefix(comma + 1);
    }
    return record;
}

double number_at(const ClRecord& record, std::size_t index) {
    if (index >= record.values.size())
        throw ClError(record.major + ": value " + std::to_string(index + 1) + " is missing");
    if (const double* number = std::get_if<double>(&record.values[index])) return *number;
    throw ClError(record.major + ": value " + std::to_string(index + 1) +
                  " must be a number, not '" + std::get<std::string>(record.values[index]) + "'");
}

bool is_word(const ClValue& value, std::string_view word) {
    const std::string* text = std::get_if<std::string>(&value);
    return text != nullptr && *text == word;
}

} // namespace mill5x
