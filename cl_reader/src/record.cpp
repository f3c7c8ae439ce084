#include "cl_reader/record.h"

#include "cl_reader/error.h"

#include <algorithm>
#include <array>
#include <cctype>
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

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

char upper(char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

std::string upper(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), [](char c) { return upper(c); });
    return result;
}

bool is_letter(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}
bool is_word_char(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
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
    // from_chars takes no plus sign, and would take "inf" and "nan": CL numbers are decimals.
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
    const std::size_t slash = text.find('/');
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
    record.text.assign(slash == std::string_view::npos ? std::string_view()
                                                       : trimmed(text.substr(slash + 1)));
    if (slash == std::string_view::npos) return;
    record.text.insert(record.text.begin(), '/'); // parse_values tells "GOTO/" from "GOTO"
}

void parse_values(Record& record) {
    record.values.clear();
    std::string_view rest = record.text;
    if (rest.empty() || takes_free_text(record.major)) return;
    rest.remove_prefix(1); // the slash
    while (true) {
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
    throw Error(record.major + ": value " + std::to_string(index + 1) +
                  " must be a number, not '" + std::get<std::string>(record.values[index]) + "'");
}

bool is_word(const Value& value, std::string_view word) {
    const std::string* text = std::get_if<std::string>(&value);
    return text != nullptr && *text == word;
}

} // namespace cl
