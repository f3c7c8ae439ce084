#include "block_writer.h"

#include "nc_format.h"

#include <charconv>
#include <cmath>

namespace mill5x {

namespace {

std::size_t index(Held what) {
    return static_cast<std::size_t>(what);
}

bool is_axis(Held what) {
    return index(what) <= index(Held::c);
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

void BlockWriter::address(std::string& into, char letter, double value, int decimals) const {
    into.clear();
    into += letter;
    append_number(into, value, decimals);
}

void BlockWriter::word(std::string_view text) {
    if (text.empty()) return;
    if (!block_.empty()) block_ += ' ';
    block_ += text;
}

void BlockWriter::number(char letter, double value, int decimals) {
    address(scratch_, letter, value, decimals);
    word(scratch_);
}

void BlockWriter::held(Held what, std::string_view code) {
    std::string& held = held_[index(what)];
    if (held == code) return;
    held.assign(code);
    word(code);
}

void BlockWriter::note_position(Held what, double value, int decimals) {
    if (!is_axis(what)) return;
    const double scale = std::pow(10.0, decimals);
    extents_.add(what, std::nearbyint(value * scale) / scale);
}

void BlockWriter::held(Held what, char letter, double value, int decimals) {
    note_position(what, value, decimals);
    address(scratch_, letter, value, decimals);
    std::string& held = held_[index(what)];
    if (held == scratch_) return;
    held = scratch_;
    word(held);
}

void BlockWriter::always(Held what, char letter, double value, int decimals) {
    forget(what);
    held(what, letter, value, decimals);
}

bool BlockWriter::holds(Held what, char letter, double value, int decimals) const {
    address(scratch_, letter, value, decimals);
    return held_[index(what)] == scratch_;
}

void BlockWriter::forget(Held what) {
    held_[index(what)].clear();
}

void BlockWriter::assume(Held what, char letter, double value, int decimals) {
    note_position(what, value, decimals);
    address(held_[index(what)], letter, value, decimals);
}

void BlockWriter::assume(Held what, std::string_view code) {
    held_[index(what)].assign(code);
}

bool BlockWriter::end_block() {
    if (block_.empty()) return false;
    ++block_count_;
    if (format_.block_number_step > 0) {
        char digits[24];
        text_ += 'N';
        const std::int64_t number =
            (format_.first_block + block_count_ - 1) * format_.block_number_step;
        text_.append(digits, std::to_chars(digits, digits + sizeof digits, number).ptr);
        text_ += ' ';
    }
    text_ += block_;
    text_ += "\r\n";
    block_.clear();
    ++line_count_;
    return true;
}

void BlockWriter::line(std::string_view text) {
    text_ += text;
    text_ += "\r\n";
    ++line_count_;
}

} // namespace mill5x
