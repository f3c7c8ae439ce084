#include "cl_reader/record.h"

#include "cl_reader/error.h"
#include "numbers/plain_decimal.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace cl {

namespace {

constexpr double largest_number = 999999.0;
constexpr std::array free_text_words{std::string_view("PARTNO"), std::string_view("PPRINT"),
                                     std::string_view("INSERT")};

bool takes_free_text(std::string_view major) {
    return std::find(free_text_words.begin(), free_text_words.end(), major) !=
           free_text_words.end();
}

// By hand: find_first_not_of with a set of two costs a search of the set a character, on
// every value of millions of records.
std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// ASCII only: CL files are, and the C library's toupper costs a call a character.
char upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string upper(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), [](char c) { return upper(c); });
    return result;
}

bool is_letter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool is_word_char(char c) {
    return is_letter(c) || (c >= '0' && c <= '9') || c == '_';
}

Value parse_value(const std::string& major, std::string_view raw) {
    const std::string_view text = trimmed(raw);
    if (text.empty()) throw Error(major + ": a value is missing between commas");
    if (is_letter(text.front())) {
        for (char c : text)
            if (!is_word_char(c))
                throw Error(major + ": malformed word '" + std::string(text) + "'");
        return upper(text);
    }
    if (const auto plain = numbers::plain_decimal(text)) {
        if (std::fabs(*plain) > largest_number)
            throw Error(major + ": number out of range '" + std::string(text) + "'");
        return *plain;
    }
    // With an exponent. from_chars takes no plus sign, and would take "inf" and "nan": CL
    // numbers are decimals.
    std::string_view digits = text;
    if (digits.front() == '+') digits.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                              std::chars_format::general);
    const bool whole = error == std::errc() && end == digits.data() + digits.size();
    const bool signed_twice = text.front() == '+' && !digits.empty() && digits.front() == '-';
    if (!whole || signed_twice || !std::isfinite(value))
        throw Error(major + ": malformed number '" + std::string(text) + "'");
    if (std::fabs(value) > largest_number)
        throw Error(major + ": number out of range '" + std::string(text) + "'");
    return value;
}

} // namespace

void read_major(std::string_view statement, Record& record) {
    const std::string_view text = trimmed(statement);
    std::size_t length = 0;
    while (length < text.size() && is_word_char(text[length]))
        ++length;
    record.major.clear();
    record.values.clear();
    for (char c : text.substr(0, length))
        record.major += upper(c);
    if (takes_free_text(record.major)) {
        std::string_view rest = trimmed(text.substr(length));
        if (!rest.empty() && rest.front() == '/') rest = trimmed(rest.substr(1));
        record.text.assign(rest);
        return;
    }
    // Beyond the first word, the major word runs to the slash: "TOOL PATH/...".
    const std::size_t slash = length < text.size() && text[length] == '/' ? length : text.find('/');
    if (trimmed(text.substr(length, slash == std::string_view::npos ? slash : slash - length))
            .size() > 0) {
        record.major.clear();
        bool blank = false;
        for (char c : trimmed(text.substr(0, slash))) {
            if (c == ' ' || c == '\t') {
                blank = true;
                continue;
            }
            if (blank) record.major += ' ';
            blank = false;
            record.major += upper(c);
        }
    }
    record.text.clear();
    if (slash == std::string_view::npos) return;
    record.text += '/'; // parse_values tells "GOTO/" from "GOTO"
    record.text += trimmed(text.substr(slash + 1));
}

void parse_values(Record& record) {
    record.values.clear();
    std::string_view rest = record.text;
    if (rest.empty() || takes_free_text(record.major)) return;
    rest.remove_prefix(1); // the slash
    while (true) {
        // Nearly every value of a large file is a plain number with a comma after it.
        const numbers::DecimalPrefix number = numbers::plain_decimal_prefix(rest);
        if (number.length > 0 && std::fabs(number.value) <= largest_number &&
            (number.length == rest.size() || rest[number.length] == ',')) {
            record.values.emplace_back(number.value);
            if (number.length == rest.size()) break;
            rest.remove_prefix(number.length + 1);
            continue;
        }
        const auto comma = rest.find(',');
        record.values.push_back(parse_value(record.major, rest.substr(0, comma)));
        if (comma == std::string_view::npos) break;
        rest.remove_prefix(comma + 1);
    }
}

std::string_view free_text(const Record& record) {
    std::string_view text = record.text;
    if (text.size() >= 2 && (text.front() == '\'' || text.front() == '"') &&
        text.back() == text.front())
        text = text.substr(1, text.size() - 2);
    return text;
}

double number_at(const Record& record, std::size_t index) {
    if (index >= record.values.size())
        throw Error(record.major + ": value " + std::to_string(index + 1) + " is missing");
    if (const double* number = std::get_if<double>(&record.values[index])) return *number;
    throw Error(record.major + ": value " + std::to_string(index + 1) + " must be a number, not '" +
                std::get<std::string>(record.values[index]) + "'");
}

bool is_word(const Value& value, std::string_view word) {
    const std::string* text = std::get_if<std::string>(&value);
    return text != nullptr && *text == word;
}

} // namespace cl
