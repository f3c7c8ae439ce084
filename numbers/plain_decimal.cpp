#include "numbers/plain_decimal.h"

#include <charconv>
#include <cstdint>
#include <iterator>

namespace numbers {

namespace {

// Every power of ten up to 1e22 is exact in a double, and so is every integer up to 2^53:
// their quotient is then one correctly rounded division, the same double that
// std::from_chars gives. Coordinates always fit.
constexpr double powers_of_ten[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                    1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                    1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr std::uint64_t exact_integers = std::uint64_t{1} << 53;
constexpr int safe_digits = 19; // no 19-digit number overflows 64 bits

// Appends the digits from `at` to the mantissa; returns where they end.
const char* digits_into(const char* at, const char* end, std::uint64_t& mantissa) {
    for (; at < end && static_cast<unsigned>(*at - '0') <= 9; ++at)
        mantissa = mantissa * 10 + static_cast<unsigned>(*at - '0');
    return at;
}

} // namespace

DecimalPrefix plain_decimal_prefix(std::string_view text) {
    const char* at = text.data();
    const char* const end = at + text.size();
    const bool negative = at < end && *at == '-';
    if (at < end && (*at == '+' || *at == '-')) ++at;
    const char* const unsigned_start = at;
    std::uint64_t mantissa = 0;
    const char* const whole_end = digits_into(at, end, mantissa);
    const char* fraction_end = whole_end;
    if (fraction_end < end && *fraction_end == '.')
        fraction_end = digits_into(fraction_end + 1, end, mantissa);
    const auto whole_digits = whole_end - unsigned_start;
    const auto decimals = fraction_end == whole_end ? 0 : fraction_end - whole_end - 1;
    if (whole_digits + decimals == 0) return {};

    double value = 0;
    if (whole_digits + decimals <= safe_digits && mantissa <= exact_integers &&
        decimals < static_cast<long>(std::size(powers_of_ten))) {
        value = static_cast<double>(mantissa) / powers_of_ten[decimals];
    } else {
        const auto [stop, error] =
            std::from_chars(unsigned_start, fraction_end, value, std::chars_format::fixed);
        if (error != std::errc() || stop != fraction_end) return {};
    }
    return {negative ? -value : value, static_cast<std::size_t>(fraction_end - text.data())};
}

std::optional<double> plain_decimal(std::string_view text) {
    const DecimalPrefix number = plain_decimal_prefix(text);
    if (number.length == 0 || number.length != text.size()) return std::nullopt;
    return number.value;
}

} // namespace numbers
