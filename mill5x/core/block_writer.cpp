#include "block_writer.h"

#include "nc_format.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace mill5x {

namespace {

std::size_t index(Held what) {
    return static_cast<std::size_t>(what);
}

// By hand: the texts are a few characters, and std::string's == calls the C library.
bool same(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i]) return false;
    return true;
}

bool is_axis(Held what) {
    return index(what) <= index(Held::c);
}

// A number in the tokens: this mark, its letter, its decimals (whole_number: no point) and
// its units, as many bytes as they take. No text that reaches a block holds the mark: the CL
// reader makes control characters blanks.
constexpr char number_mark = '\x01';
constexpr char whole_number = 0x7f;

void append_token(std::string& tokens, char letter, std::int64_t units, int decimals) {
    char token[3 + sizeof units] = {number_mark, letter, static_cast<char>(decimals)};
    std::memcpy(token + 3, &units, sizeof units);
    tokens.append(token, sizeof token);
}

} // namespace

void AxisExtents::add(Held axis, double value) {
    const std::size_t i = index(axis);
    if (!seen[i]) {
        min[i] = max[i] = value;
        seen[i] = true;
    } else if (value < min[i]) {
        min[i] = value;
    } else if (value > max[i]) {
        max[i] = value;
    }
}

BlockWriter::BlockWriter(const Format& format) : format_(format) {}

void BlockWriter::word(std::string_view text) {
    if (text.empty()) return;
    if (!block_.empty()) block_ += ' ';
    block_ += text;
}

void BlockWriter::number_word(char letter, std::int64_t units, int decimals) {
    if (!block_.empty()) block_ += ' ';
    append_token(block_, letter, units, decimals);
}

void BlockWriter::number(char letter, double value, int decimals) {
    if (const auto units = rounded_units(value, decimals))
        return number_word(letter, *units, decimals);
    char text[longest_number + 1];
    text[0] = letter;
    word({text, 1 + format_number(text + 1, value, decimals)});
}

void BlockWriter::held(Held what, std::string_view code) {
    std::string& held = codes_[index(what)];
    if (same(held, code)) return;
    held.assign(code);
    word(code);
}

void BlockWriter::note_position(Held what, std::int64_t units, int decimals) {
    static constexpr double scales[] = {1, 10, 100, 1e3, 1e4};
    if (is_axis(what)) extents_.add(what, static_cast<double>(units) / scales[decimals]);
}

std::optional<std::int64_t> BlockWriter::units_of(Held what, double value, int decimals) const {
    Rounded& rounded = rounded_[index(what)];
    if (rounded.decimals != decimals || rounded.value != value)
        rounded = {value, decimals, rounded_units(value, decimals)};
    return rounded.units;
}

// The held value is compared as the whole number the text shows, so no text is made for an
// address that is not written.
void BlockWriter::held(Held what, char letter, double value, int decimals) {
    HeldNumber& held = numbers_[index(what)];
    const auto units = units_of(what, value, decimals);
    if (!units) { // beyond what a control takes: written, and nothing held
        held.known = false;
        number(letter, value, decimals);
        return;
    }
    note_position(what, *units, decimals);
    if (held.known && held.units == *units && held.decimals == decimals) return;
    held = {*units, decimals, true};
    number_word(letter, *units, decimals);
}

void BlockWriter::always(Held what, char letter, double value, int decimals) {
    forget(what);
    held(what, letter, value, decimals);
}

bool BlockWriter::holds(Held what, char, double value, int decimals) const {
    const HeldNumber& held = numbers_[index(what)];
    const auto units = units_of(what, value, decimals);
    return units && held.known && held.units == *units && held.decimals == decimals;
}

void BlockWriter::forget(Held what) {
    codes_[index(what)].clear();
    numbers_[index(what)].known = false;
}

void BlockWriter::assume(Held what, char, double value, int decimals) {
    const auto units = rounded_units(value, decimals);
    numbers_[index(what)] = {units.value_or(0), decimals, units.has_value()};
    if (units) note_position(what, *units, decimals);
}

void BlockWriter::assume(Held what, std::string_view code) {
    codes_[index(what)].assign(code);
}

bool BlockWriter::end_block() {
    if (block_.empty()) return false;
    ++block_count_;
    if (format_.block_number_step > 0) {
        const std::int64_t number =
            (format_.first_block + block_count_ - 1) * format_.block_number_step;
        append_token(text_, 'N', number, whole_number);
        text_ += ' ';
    }
    text_ += block_;
    text_ += "\r\n";
    block_.clear();
    ++line_count_;
    return true;
}

void BlockWriter::render(std::string_view tokens, std::string& text) {
    for (std::size_t mark; (mark = tokens.find(number_mark)) != std::string_view::npos;) {
        text += tokens.substr(0, mark);
        const char letter = tokens[mark + 1];
        const int decimals = tokens[mark + 2];
        std::int64_t units = 0;
        std::memcpy(&units, tokens.data() + mark + 3, sizeof units);
        tokens.remove_prefix(mark + 3 + sizeof units);
        char number[32];
        std::size_t length = 0;
        if (decimals == whole_number)
            length = static_cast<std::size_t>(
                std::to_chars(number, number + sizeof number, units).ptr - number);
        else
            length = format_units(number, units, decimals);
        text += letter;
        text.append(number, length);
    }
    text += tokens;
}

void BlockWriter::line(std::string_view text) {
    text_ += text;
    text_ += "\r\n";
    ++line_count_;
}

} // namespace mill5x
