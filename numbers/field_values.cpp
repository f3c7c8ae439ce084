#include "numbers/field_values.h"

#include "numbers/number_text.h"

#include <cmath>
#include <cstdint>
#include <cwchar>
#include <limits>
#include <utility>

namespace numbers {

namespace {

// Characters that show nothing, named so that the user sees what is in the field.
// clang-format off
constexpr std::pair<wchar_t, std::wstring_view> invisible_names[] = {
    {L'\t', L"[tab]"}, {L'\r', L"[carriage return]"}, {L'\n', L"[line feed]"},
    {L'\u00A0', L"[no-break space]"}, {L'\u2007', L"[figure space]"},
    {L'\u202F', L"[narrow no-break space]"}, {L'\u200B', L"[zero-width space]"},
    {L'\uFEFF', L"[byte order mark]"}};
// clang-format on

std::wstring_view name_of_invisible(wchar_t c) {
    for (const auto& [invisible, name] : invisible_names)
        if (c == invisible) return name;
    return {};
}

// The typed text as a message quotes it: at most about 40 characters, invisible ones named.
std::wstring quoted(std::wstring_view text) {
    constexpr std::size_t shown_at_most = 40;
    std::wstring quote = L"\"";
    for (std::size_t n = 0; n < text.size() && n < shown_at_most; ++n) {
        const wchar_t c = text[n];
        if (const auto name = name_of_invisible(c); !name.empty()) {
            quote += name;
        } else if (c < L' ' || (c >= 0x7F && c < 0xA0)) {
            wchar_t code[16];
            swprintf(code, 16, L"[U+%04X]", static_cast<unsigned>(c));
            quote += code;
        } else {
            quote += c;
        }
    }
    if (text.size() > shown_at_most)
        quote += L"\u2026\" (" + std::to_wstring(text.size()) + L" characters)";
    else
        quote += L"\"";
    return quote;
}

} // namespace

double read_field(std::wstring_view label, std::wstring_view text, wchar_t decimal_separator) {
    if (const auto value = number_from_text(text, decimal_separator)) return *value;
    std::wstring message = L"The field \"";
    message += label;
    switch (why_not_a_number(text, decimal_separator)) {
    case NotANumber::empty:
        message += L"\" is empty. Please enter a number.";
        break;
    case NotANumber::too_large:
        message += L"\" holds a number too large to compute with: " + quoted(text) + L".";
        break;
    case NotANumber::too_small:
        message += L"\" holds a number too small to compute with: " + quoted(text) +
                   L". Please enter 0 or a number of a larger size.";
        break;
    case NotANumber::not_a_number:
        message += L"\" does not hold a number: " + quoted(text) + L".";
        break;
    }
    throw FieldError(message);
}

std::wstring result_text(std::wstring_view label, double value, double scale,
                         wchar_t decimal_separator) {
    if (const auto rounded = display_round(value, scale))
        return general_format(*rounded, decimal_separator);
    std::wstring message = L"The result \"";
    message += label;
    if (!std::isfinite(value)) {
        message += L"\" cannot be computed: the numbers entered are too large, or lead to a "
                   L"division by zero.";
    } else {
        const double lowest = std::numeric_limits<std::int32_t>::min() / scale;
        const double highest = std::numeric_limits<std::int32_t>::max() / scale;
        message += L"\" is " + general_format(value, decimal_separator) +
                   L", too large to show: results must lie between " +
                   general_format(lowest, decimal_separator) + L" and " +
                   general_format(highest, decimal_separator) + L".";
    }
    throw FieldError(message);
}

} // namespace numbers
