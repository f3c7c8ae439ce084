#pragma once
// The calculators' number conventions: reading a field's text as a number, writing a
// number as text, and rounding a result for display.

#include <optional>
#include <string>
#include <string_view>

namespace numbers {

// The whole text as a number, written with the given decimal separator ('.' or ',').
// Blanks around the number and exponent form are accepted; empty text, blanks alone,
// trailing garbage, the other separator, thousands separators, inf and nan are not.
// Non-breaking spaces count as blanks and the minus sign U+2212 as "-", as they come in
// values pasted from spreadsheets and documents.
std::optional<double> number_from_text(std::wstring_view text, wchar_t decimal_separator);

// Why number_from_text found no number in the text: nothing typed, a number beyond the
// range of double (too large, or too small to tell from zero), or something else.
enum class NotANumber { empty, too_large, too_small, not_a_number };
NotANumber why_not_a_number(std::wstring_view text, wchar_t decimal_separator);

// The shortest text with at most 15 significant digits: no trailing zeros, 0 before the
// separator below 1, - for negatives, 0 (never -0) for zero; exponent form with an
// upper-case E where C's %g would choose it. number_from_text reads it back exactly.
std::wstring general_format(double value, wchar_t decimal_separator);

// value × scale rounded to the nearest integer (ties to even) and divided by scale again;
// nothing when that integer falls outside the signed 32-bit range or value is not finite.
std::optional<double> display_round(double value, double scale);

} // namespace numbers
