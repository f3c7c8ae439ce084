#include "numbers/field_values.h"

#include "numbers/number_text.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace numbers {

double read_field(std::wstring_view label, std::wstring_view text, wchar_t decimal_separator) {
    if (const auto value = number_from_text(text, decimal_separator)) return *value;
    std::wstring message = L"The field \"";
    message += label;
    if (text.find_first_not_of(L" \t") == std::wstring_view::npos)
        message += L"\" is empty. Please enter a number.";
    else
        message += L"\" does not hold a number: \"" + std::wstring(text) + L"\".";
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
