#include "core/translate.h"

#include "numbers/field_values.h"
#include "numbers/number_text.h"

#include <algorithm>
#include <cmath>

namespace translate_calc {
namespace {

using numbers::FieldError;
using numbers::Message;
using numbers::Outcome;
using numbers::Writes;

constexpr double four_decimals = 10000;
constexpr double six_decimals = 1000000;

// A blank, not an empty text: what both clearing commands have always left in the points.
constexpr std::wstring_view blank = L" ";

using Point = std::array<double, 3>;

// Three fields of the window that hold one point or vector: their names, the words that
// name them in a message, and where the commands find their texts.
struct Group {
    std::array<std::wstring_view, 3> names, labels;
    Triple Fields::*texts;
};

constexpr Group tip_point{{L"TipX", L"TipY", L"TipZ"},
                          {L"X-Axis at tool tip", L"Y-Axis at tool tip", L"Z-Axis at tool tip"},
                          &Fields::tip_point};
constexpr Group tool_axis{{L"TipI", L"TipJ", L"TipK"},
                          {L"Tool Axis I", L"Tool Axis J", L"Tool Axis K"},
                          &Fields::tool_axis};
constexpr Group origin{
    {L"OrgX", L"OrgY", L"OrgZ"}, {L"X-Origin", L"Y-Origin", L"Z-Origin"}, &Fields::origin};
constexpr Group program_point{
    {L"PrgX", L"PrgY", L"PrgZ"},
    {L"X-Axis at pivot point", L"Y-Axis at pivot point", L"Z-Axis at pivot point"},
    &Fields::program_point};

Point read_point(const Fields& fields, const Group& group, wchar_t separator) {
    Point point{};
    for (int n = 0; n < 3; ++n)
        point[n] = numbers::read_field(group.labels[n], (fields.*group.texts)[n], separator);
    return point;
}

// All three texts are made before any is handed out, so a component out of range leaves
// the whole point as it was.
Writes write_point(const Group& group, const Point& values, double scale, wchar_t separator) {
    Writes writes;
    for (int n = 0; n < 3; ++n)
        writes.push_back(
            {group.names[n], numbers::result_text(group.labels[n], values[n], scale, separator)});
    return writes;
}

void blank_out(Writes& writes, const Group& group) {
    for (const auto name : group.names)
        writes.push_back({name, std::wstring(blank)});
}

// The eleven inputs of a translation, read in the order the user sees them reported:
// the point, the origin, the axis, the tool length, the pivot distance.
struct Inputs {
    Point point, origin, axis;
    double tool_length, pivot_distance;
};

Inputs read_inputs(const Fields& fields, const Group& point, wchar_t separator) {
    Inputs in{};
    in.point = read_point(fields, point, separator);
    in.origin = read_point(fields, origin, separator);
    in.axis = read_point(fields, tool_axis, separator);
    in.tool_length = numbers::read_field(L"Tool Length", fields.tool_length, separator);
    in.pivot_distance = numbers::read_field(L"Pivot Z", fields.pivot_distance, separator);
    return in;
}

Message failure(std::wstring text) {
    return Message{std::move(text), std::wstring(title)};
}

} // namespace

Outcome normalize_tool_axis(const Fields& fields, wchar_t decimal_separator) {
    try {
        const auto [i, j, k] = read_point(fields, tool_axis, decimal_separator);
        if (i == 0 && j == 0 && k == 0)
            return failure(L"The tool axis cannot be normalized: its length is zero (\"Tool Axis "
                           L"I\", \"Tool Axis J\" and \"Tool Axis K\" are all zero). Please enter "
                           L"the direction of the tool axis.");
        // Scaled by its largest component first, the squares neither overflow nor fall below
        // the normal range, so every finite axis gets its unit vector to full precision.
        const double largest = std::max({std::abs(i), std::abs(j), std::abs(k)});
        const double a = i / largest, b = j / largest, c = k / largest;
        const double length = std::sqrt((a * a + b * b) + c * c);
        return write_point(tool_axis, {a / length, b / length, c / length}, six_decimals,
                           decimal_separator);
    } catch (const FieldError& error) {
        return failure(error.message());
    }
}

Outcome compute_program_point(const Fields& fields, wchar_t decimal_separator) {
    try {
        const Inputs in = read_inputs(fields, tip_point, decimal_separator);
        Point program{};
        for (int n = 0; n < 3; ++n)
            program[n] =
                (in.pivot_distance + in.tool_length) * in.axis[n] + (in.point[n] - in.origin[n]);
        return write_point(program_point, program, four_decimals, decimal_separator);
    } catch (const FieldError& error) {
        return failure(error.message());
    }
}

Outcome compute_tip_point(const Fields& fields, wchar_t decimal_separator) {
    try {
        const Inputs in = read_inputs(fields, program_point, decimal_separator);
        Point tip{};
        for (int n = 0; n < 3; ++n)
            tip[n] =
                (in.origin[n] + in.point[n]) - (in.pivot_distance + in.tool_length) * in.axis[n];
        return write_point(tip_point, tip, four_decimals, decimal_separator);
    } catch (const FieldError& error) {
        return failure(error.message());
    }
}

Outcome clear(const Fields&, wchar_t decimal_separator) {
    const std::wstring zero = numbers::general_format(0, decimal_separator);
    const std::wstring one = numbers::general_format(1, decimal_separator);
    Writes writes;
    blank_out(writes, tip_point);
    writes.push_back({tool_axis.names[0], zero});
    writes.push_back({tool_axis.names[1], zero});
    writes.push_back({tool_axis.names[2], one});
    for (const auto field : {L"TLgh", L"Pivotz"})
        writes.push_back({field, zero});
    for (const auto field : origin.names)
        writes.push_back({field, zero});
    blank_out(writes, program_point);
    return writes;
}

Outcome clear_results(const Fields&, wchar_t) {
    Writes writes;
    blank_out(writes, tip_point);
    blank_out(writes, program_point);
    return writes;
}

} // namespace translate_calc
