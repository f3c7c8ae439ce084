#include "nc_format.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace mill5x {

namespace {

constexpr double powers_of_ten[] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8};

void trim(std::string& text, std::size_t start) {
    while (text.back() == '0')
        text.pop_back();
    if (text.compare(start, std::string::npos, "-0.") == 0) text.erase(start, 1);
}

// The exact decimal rounding of the value itself, which the fast way below matches except
// near a half, where the product's own rounding may tip it.
void append_exactly(std::string& text, double value, int decimals) {
    char digits[400];
    const auto end =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, decimals)
            .ptr;
    const std::size_t start = text.size();
    text.append(digits, end);
    if (decimals == 0) text += '.';
    trim(text, start);
}

} // namespace

void append_number(std::string& text, double value, int decimals) {
    // Millions of positions are written: scale, round and write the digits directly.
    const double scaled = value * powers_of_ten[decimals];
    const double rounded = std::nearbyint(scaled);
    if (!(std::fabs(scaled) < 1e12) ||
        std::fabs(std::fabs(scaled - std::trunc(scaled)) - 0.5) < 1e-6) {
        append_exactly(text, value, decimals);
        return;
    }
    std::int64_t units = static_cast<std::int64_t>(rounded);
    if (units < 0) {
        text += '-';
        units = -units;
    }
    char digits[32];
    char* end = digits + sizeof digits;
    char* first = end;
    std::int64_t fraction = units % static_cast<std::int64_t>(powers_of_ten[decimals]);
    std::int64_t whole = units / static_cast<std::int64_t>(powers_of_ten[decimals]);
    int fraction_digits = decimals;
    while (fraction_digits > 0 && fraction % 10 == 0) { // trailing zeros are not written
        fraction /= 10;
        --fraction_digits;
    }
    for (int i = 0; i < fraction_digits; ++i, fraction /= 10)
        *--first = static_cast<char>('0' + fraction % 10);
    *--first = '.';
    do {
        *--first = static_cast<char>('0' + whole % 10);
        whole /= 10;
    } while (whole > 0);
    text.append(first, end);
}

std::string nc_address(char letter, double value, int decimals) {
    std::string text(1, letter);
    append_number(text, value, decimals);
    return text;
}

} // namespace mill5x
