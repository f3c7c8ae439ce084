#include "numbers/number_text.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace numbers {
namespace {

bool is_blank(wchar_t c) {
    return c == L' ' || c == L'\t';
}

// Only the characters a number may hold: digits, one sign per mantissa and exponent,
// the decimal separator and the exponent letter. Anything else (letters of inf and nan,
// thousands separators, the other separator) rejects the text before conversion.
bool may_appear_in_number(wchar_t c, wchar_t separator) {
    return (c >= L'0' && c <= L'9') || c == L'+' || c == L'-' || c == L'e' || c == L'E' ||
           c == separator;
}

} // namespace

std::optional<double> number_from_text(std::wstring_view text, wchar_t decimal_separator) {
    while (!text.empty() && is_blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && is_blank(text.back()))
        text.remove_suffix(1);
    if (text.empty()) return std::nullopt;

    std::string narrow;
    narrow.reserve(text.size());
    for (wchar_t c : text) {
        if (!may_appear_in_number(c, decimal_separator)) return std::nullopt;
        narrow.push_back(c == decimal_separator ? '.' : static_cast<char>(c));
    }
    // from_chars takes no leading plus sign; a typed "+5" is still a number.
    std::string_view digits = narrow;
    if (digits.front() == '+') {
        digits.remove_prefix(1);
        if (digits.empty() || digits.front() == '-' || digits.front() == '+') return std::nullopt;
    }
    double value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                              std::chars_format::general);
    if (error != std::errc{} || end != digits.data() + digits.size()) return std::nullopt;
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

std::wstring general_format(double value, wchar_t decimal_separator) {
    if (value == 0) return L"0"; // also for -0
    // to_chars rather than printf: the same digits and a two-digit exponent on every C runtime.
    char buffer[64];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15).ptr;
    std::wstring text;
    for (const char* c = buffer; c != end; ++c) {
        if (*c == '.')
            text.push_back(decimal_separator);
        else
            text.push_back(static_cast<wchar_t>(std::toupper(static_cast<unsigned char>(*c))));
    }
    return text;
}

std::optional<double> display_round(double value, double scale) {
    const double scaled = std::nearbyint(value * scale); // the default mode: ties to even
    if (!std::isfinite(scaled) || scaled < std::numeric_limits<std::int32_t>::min() ||
        scaled > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<double>(static_cast<std::int32_t>(scaled)) / scale;
}

} // namespace numbers
