#include "block_words.h"

#include "numbers/plain_decimal.h"

#include <cmath>

namespace nc {

namespace {

// Beyond any machine's travel, and small enough that sums and squares of coordinates stay
// finite whatever a program does.
constexpr double largest_number = 1e9;

constexpr char axis_letters[axis_count] = {'X', 'Y', 'Z', 'A', 'B', 'C'};
// The letters whose numbers wait for the reader to give them their meaning.
constexpr std::string_view stored_letters = "XYZABCIJKRFPQHD";

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}
bool is_number_char(char c) {
    return (c >= '0' && c <= '9') || c == '.' || c == '+' || c == '-';
}
// The letter in upper case, or 0 for anything else.
char letter_of(char c) {
    if (c >= 'a' && c <= 'z') return static_cast<char>(c - 'a' + 'A');
    return c >= 'A' && c <= 'Z' ? c : 0;
}
// The comment's own text.
std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}
bool ends_unreadable_run(char c) {
    return is_blank(c) || letter_of(c) || c == '(' || c == ';' || c == '%';
}

std::string quoted(std::string_view word) {
    std::string text = "'";
    text += word;
    text += '\'';
    return text;
}

// Numbers that count things or name registers.
bool takes_whole_number(char letter) {
    return letter == 'N' || letter == 'O' || letter == 'T' || letter == 'M' || letter == 'H' ||
           letter == 'D';
}
bool takes_no_negative(char letter) {
    return takes_whole_number(letter) || letter == 'F' || letter == 'S' || letter == 'P' ||
           letter == 'Q';
}

void set_group(int& group, int code, std::string_view word, Block& block) {
    if (group >= 0 && group != code)
        block.warnings.push_back(quoted(word) + " overrides an earlier G-code of its group");
    group = code;
}

} // namespace

void Reader::Words::scan(std::string_view line, Block& block) {
    std::size_t i = 0;
    const std::size_t n = line.size();
    while (i < n && is_blank(line[i]))
        ++i;
    if (i < n && line[i] == '/') {
        block.deleted = true;
        ++i;
    }
    while (i < n) {
        const char c = line[i];
        if (is_blank(c) || c == '%') {
            ++i;
            continue;
        }
        if (c == '(') {
            const std::size_t close = line.find(')', i + 1);
            if (close == std::string_view::npos) {
                block.comments.push_back(trimmed(line.substr(i + 1)));
                block.warnings.push_back("the comment has no ')': it runs to the end of the line");
                return;
            }
            block.comments.push_back(trimmed(line.substr(i + 1, close - i - 1)));
            i = close + 1;
            continue;
        }
        if (c == ';') {
            block.comments.push_back(trimmed(line.substr(i + 1)));
            return;
        }
        const char letter = letter_of(c);
        if (!letter) {
            std::size_t end = i + 1;
            while (end < n && !ends_unreadable_run(line[end]))
                ++end;
            block.warnings.push_back("unreadable " + quoted(line.substr(i, end - i)) +
                                     " is passed by");
            i = end;
            continue;
        }
        std::size_t number_start = i + 1;
        while (number_start < n && is_blank(line[number_start]))
            ++number_start;
        std::size_t end = number_start;
        while (end < n && is_number_char(line[end]))
            ++end;
        if (end == number_start) {
            block.warnings.push_back(quoted(line.substr(i, 1)) + " has no number");
            ++i;
            continue;
        }
        const std::string_view word = line.substr(i, end - i);
        i = end;
        const auto value = numbers::plain_decimal(line.substr(number_start, end - number_start));
        if (!value)
            block.warnings.push_back("malformed number " + quoted(word) + " is passed by");
        else if (std::fabs(*value) > largest_number)
            block.warnings.push_back("number out of range " + quoted(word) + " is passed by");
        else
            read_word(letter, *value, word, block);
    }
}

void Reader::Words::read_word(char letter, double value, std::string_view word, Block& block) {
    if (takes_no_negative(letter) && value < 0) {
        block.warnings.push_back(quoted(word) + " must not be negative: it is passed by");
        return;
    }
    if (takes_whole_number(letter) && value != std::floor(value)) {
        block.warnings.push_back(quoted(word) + " needs a whole number: it is passed by");
        return;
    }
    if (letter == 'G') return read_g_code(value, word, block);
    if (letter == 'M') {
        const int code = static_cast<int>(value);
        block.m_codes.push_back(code);
        if (code == 6) block.tool_change = true;
        if (code == 2 || code == 30) block.program_end = true;
        return;
    }

    const std::uint32_t bit = 1u << (letter - 'A');
    if (named_letters & bit)
        block.warnings.push_back(std::string(1, letter) + " is named twice: " + quoted(word) +
                                 " is read");
    named_letters |= bit;
    if (letter == 'N' || letter == 'O' || letter == 'T' || letter == 'S') {
        taken_letters |= bit;
        if (letter == 'N') block.number = static_cast<std::int64_t>(value);
        if (letter == 'T') block.tool = static_cast<int>(value);
        if (letter == 'S') block.spindle_speed = value;
        return; // O, the program's number, draws nothing
    }
    if (stored_letters.find(letter) == std::string_view::npos) {
        named_letters &= ~bit;
        block.warnings.push_back("unknown word " + quoted(word) + " is passed by");
        return;
    }
    values[letter - 'A'] = value;
    words[letter - 'A'] = word;
}

void Reader::Words::read_g_code(double value, std::string_view word, Block& block) {
    // The codes read: from first to last, each in its modal group.
    static constexpr struct {
        int first, last;
        int Groups::*group;
    } known_codes[] = {
        {0, 3, &Groups::motion},         {4, 4, &Groups::non_modal},   {17, 19, &Groups::plane},
        {20, 21, &Groups::units},        {28, 28, &Groups::non_modal}, {40, 42, &Groups::cutter},
        {43, 44, &Groups::length},       {49, 49, &Groups::length},    {53, 53, &Groups::non_modal},
        {54, 59, &Groups::work},         {73, 74, &Groups::cycle},     {76, 76, &Groups::cycle},
        {80, 89, &Groups::cycle},        {90, 91, &Groups::distance},  {93, 95, &Groups::feed_mode},
        {98, 99, &Groups::cycle_return},
    };
    // G-codes are whole or have one decimal (G43.4): compare them in tenths.
    const double tenths = std::round(value * 10);
    if (value >= 0 && value < 1000 && std::fabs(value * 10 - tenths) < 1e-6 &&
        static_cast<int>(tenths) % 10 == 0) {
        const int code = static_cast<int>(tenths) / 10;
        for (const auto& known : known_codes)
            if (code >= known.first && code <= known.last)
                return set_group(groups.*known.group, code, word, block);
    }
    block.warnings.push_back("unknown word " + quoted(word) + " is passed by");
}

AxisSet Reader::Words::axes() const {
    AxisSet set = 0;
    for (int axis = 0; axis < axis_count; ++axis)
        if (named(axis_letters[axis])) set |= 1u << axis;
    return set;
}

void Reader::Words::warn_unused(Block& block) const {
    const std::uint32_t unused = named_letters & ~taken_letters;
    if (!unused) return;
    for (int letter = 0; letter < 26; ++letter)
        if (unused >> letter & 1)
            block.warnings.push_back("unused word " + quoted(words[letter]) + " is passed by");
}

} // namespace nc
