#include "commands.h"
#include "fields.h"

#include "numbers/field_values.h"

#include <cmath>
#include <limits>

namespace translate_calc {
namespace {

constexpr double six_decimals = 1000000;

} // namespace

Outcome normalize_tool_axis(const FieldReader& read, wchar_t decimal_separator) {
    try {
        const double i = read_number(read, tool_axis[0], decimal_separator);
        const double j = read_number(read, tool_axis[1], decimal_separator);
        const double k = read_number(read, tool_axis[2], decimal_separator);
        const double squares = (i * i + j * j) + k * k;
        const double length = std::sqrt(squares);
        // Without these checks a zero axis would give no numbers, an overflowing one would
        // divide by infinity and come out as 0, 0, 0, and one whose squares fall below the
        // normal range would lose digits (1E-160, 0, 0 would give 1.000006): plainly wrong
        // axes instead of failures.
        if (i == 0 && j == 0 && k == 0)
            return Message{
                L"The tool axis cannot be normalized: its length is zero (\"Tool Axis I\", "
                L"\"Tool Axis J\" and \"Tool Axis K\" are all zero). Please enter the "
                L"direction of the tool axis.",
                std::wstring(title)};
        if (squares < std::numeric_limits<double>::min())
            return Message{L"The tool axis cannot be normalized: its components are too small to "
                           L"compute its length. Please enter larger components of the same "
                           L"direction.",
                           std::wstring(title)};
        if (!std::isfinite(length))
            return Message{L"The tool axis cannot be normalized: its components are too large to "
                           L"compute its length. Please enter smaller components of the same "
                           L"direction.",
                           std::wstring(title)};
        const double unit[] = {i / length, j / length, k / length};
        Writes writes;
        for (int axis = 0; axis < 3; ++axis)
            writes.push_back(
                {tool_axis[axis], numbers::result_text(field_label(tool_axis[axis]), unit[axis],
                                                       six_decimals, decimal_separator)});
        return writes;
    } catch (const numbers::FieldError& error) {
        return Message{error.message(), std::wstring(title)};
    }
}

} // namespace translate_calc
