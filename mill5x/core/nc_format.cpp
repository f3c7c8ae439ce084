#include "nc_format.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <numbers>

namespace mill5x {

namespace {

constexpr double powers_of_ten[] = {1, 10, 100, 1e3, 1e4};
constexpr int most_decimals = 4;
constexpr double largest_units = 1e15;

// The exact decimal rounding of the value itself, which the fast way matches except near a
// half, where the product's own rounding may tip it.
std::size_t format_exactly(char* text, double value, int decimals) {
    char* end =
        std::to_chars(text, text + longest_number - 1, value, std::chars_format::fixed, decimals)
            .ptr;
    if (decimals == 0) *end++ = '.';
    while (end[-1] == '0')
        --end;
    if (end - text == 3 && text[0] == '-' && text[1] == '0') { // never a negative zero
        text[0] = '0';
        text[1] = '.';
        --end;
    }
    return static_cast<std::size_t>(end - text);
}

// The digits of units with that many decimals: a constant divisor costs a multiplication,
// a variable one a division.
// The digits of 0 to 99, two at a time.
constexpr char digit_pairs[] = "00010203040506070809101112131415161718192021222324252627282930"
                               "31323334353637383940414243444546474849505152535455565758596061"
                               "62636465666768697071727374757677787980818283848586878889909192"
                               "93949596979899";

template <int decimals> std::size_t write_units(char* out, std::uint64_t units) {
    constexpr auto scale = static_cast<std::uint64_t>(powers_of_ten[decimals]);
    std::uint64_t whole = units / scale, fraction = units - whole * scale;
    char digits[24];
    char* first = digits + sizeof digits;
    while (whole >= 10) {
        first -= 2;
        std::memcpy(first, digit_pairs + 2 * (whole % 100), 2);
        whole /= 100;
    }
    if (whole > 0 || first == digits + sizeof digits) *--first = static_cast<char>('0' + whole);
    const auto whole_digits = static_cast<std::size_t>(digits + sizeof digits - first);
    std::memcpy(out, first, whole_digits);
    char* at = out + whole_digits;
    *at++ = '.';
    if (fraction == 0) return static_cast<std::size_t>(at - out);
    // All the decimals, then the trailing zeros taken off again.
    for (int i = decimals - 1; i >= 0; --i, fraction /= 10)
        at[i] = static_cast<char>('0' + fraction % 10);
    at += decimals;
    while (at[-1] == '0')
        --at;
    return static_cast<std::size_t>(at - out);
}

} // namespace

std::optional<std::int64_t> rounded_units(double value, int decimals) {
    if (decimals < 0 || decimals > most_decimals) return std::nullopt;
    const double scaled = value * powers_of_ten[decimals];
    if (!(scaled > -largest_units && scaled < largest_units)) return std::nullopt;
    const auto whole_part = static_cast<std::int64_t>(scaled); // towards zero
    const double fraction = scaled - static_cast<double>(whole_part);
    const double from_half = fraction < 0 ? -fraction - 0.5 : fraction - 0.5;
    if (from_half > -1e-6 && from_half < 1e-6) {
        // Near a half the exact decimal decides; read back, it lies far from one.
        char text[longest_number];
        const std::size_t length = format_exactly(text, value, decimals);
        double exact = 0;
        std::from_chars(text, text + length, exact);
        return static_cast<std::int64_t>(std::llround(exact * powers_of_ten[decimals]));
    }
    return whole_part + (from_half > 0 ? (fraction < 0 ? -1 : 1) : 0);
}

std::size_t format_units(char* text, std::int64_t units, int decimals) {
    std::size_t sign = 0;
    if (units < 0) text[sign++] = '-';
    const auto magnitude =
        units < 0 ? 0 - static_cast<std::uint64_t>(units) : static_cast<std::uint64_t>(units);
    switch (decimals) {
    case 0:
        return sign + write_units<0>(text + sign, magnitude);
    case 1:
        return sign + write_units<1>(text + sign, magnitude);
    case 2:
        return sign + write_units<2>(text + sign, magnitude);
    case 3:
        return sign + write_units<3>(text + sign, magnitude);
    default:
        return sign + write_units<4>(text + sign, magnitude);
    }
}

std::size_t format_number(char* text, double value, int decimals) {
    // Millions of positions are written: scale, round and write the digits directly, with
    // no library call on the way.
    const auto units = rounded_units(value, decimals);
    return units ? format_units(text, *units, decimals) : format_exactly(text, value, decimals);
}

void append_number(std::string& text, double value, int decimals) {
    char number[longest_number];
    text.append(number, format_number(number, value, decimals));
}

std::string nc_address(char letter, double value, int decimals) {
    std::string text(1, letter);
    append_number(text, value, decimals);
    return text;
}

double tip_rounding(int length_decimals, int angle_decimals, double arm) {
    // Each address may be off by half its last decimal: three linear ones, two rotary ones.
    const double half_length = 0.5 * std::pow(10.0, -length_decimals);
    const double half_angle = 0.5 * std::pow(10.0, -angle_decimals) * std::numbers::pi / 180;
    return std::sqrt(3.0) * half_length + std::sqrt(2.0) * std::fabs(arm) * half_angle;
}

} // namespace mill5x
