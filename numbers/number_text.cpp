#include "numbers/number_text.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace numbers {
namespace {

// Non-breaking spaces come with values pasted from spreadsheets and documents.
constexpr std::wstring_view blanks = L" \t\u00A0\u2007\u202F";

std::wstring_view trimmed(std::wstring_view text) {
    const auto first = text.find_first_not_of(blanks);
    if (first == std::wstring_view::npos) return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// So does the typographic minus sign.
wchar_t plain_sign(wchar_t c) {
    return c == L'\u2212' ? L'-' : c;
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
    text = trimmed(text);
    if (text.empty()) return std::nullopt;

    std::string narrow;
    narrow.reserve(text.size());
    for (wchar_t typed : text) {
        const wchar_t c = plain_sign(typed);
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

NotANumber why_not_a_number(std::wstring_view text, wchar_t decimal_separator) {
    text = trimmed(text);
    if (text.empty()) return NotANumber::empty;
    // A number from_chars refuses only for its size has the shape
    // [sign]digits[.digits][e[sign]digits].
    std::size_t at = 0;
    const auto digits = [&] {
        const std::size_t first = at;
        while (at < text.size() && text[at] >= L'0' && text[at] <= L'9')
            ++at;
        return text.substr(first, at - first);
    };
    const auto sign = [&] {
        if (at < text.size() && (plain_sign(text[at]) == L'-' || text[at] == L'+')) ++at;
    };
    sign();
    const std::wstring_view whole = digits();
    std::wstring_view fraction;
    if (at < text.size() && text[at] == decimal_separator) {
        ++at;
        fraction = digits();
    }
    if (whole.empty() && fraction.empty()) return NotANumber::not_a_number;
    long long exponent = 0;
    if (at < text.size() && (text[at] == L'e' || text[at] == L'E')) {
        ++at;
        const bool negative = at < text.size() && plain_sign(text[at]) == L'-';
        sign();
        const std::wstring_view power = digits();
        if (power.empty()) return NotANumber::not_a_number;
        for (wchar_t d : power)
            exponent = std::min<long long>(exponent * 10 + (d - L'0'), 1'000'000'000);
        if (negative) exponent = -exponent;
    }
    if (at != text.size()) return NotANumber::not_a_number;
    // The power of ten of the first significant digit decides which way it is too far out.
    const auto significant = whole.find_first_not_of(L'0');
    long long magnitude = 0;
    if (significant != std::wstring_view::npos) {
        magnitude = static_cast<long long>(whole.size() - significant);
    } else {
        const auto first = fraction.find_first_not_of(L'0');
        if (first == std::wstring_view::npos) return NotANumber::not_a_number; // zero fits
        magnitude = -static_cast<long long>(first);
    }
    return magnitude + exponent > 0 ? NotANumber::too_large : NotANumber::too_small;
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
