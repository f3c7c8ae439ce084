#include "commands.h"
#include "fields.h"

#include "numbers/field_values.h"

#include <array>

namespace translate_calc {
namespace {

constexpr double four_decimals = 10000;

// The eleven inputs of a translation, read in the order the user sees them reported:
// the point, the origin, the axis, the tool length, the pivot distance.
struct Inputs {
    std::array<double, 3> point, origin, axis;
    double tool_length, pivot_distance;
};

Inputs read_inputs(const FieldReader& read, const Triple& point_fields, wchar_t separator) {
    Inputs in{};
    for (int n = 0; n < 3; ++n)
        in.point[n] = read_number(read, point_fields[n], separator);
    for (int n = 0; n < 3; ++n)
        in.origin[n] = read_number(read, origin[n], separator);
    for (int n = 0; n < 3; ++n)
        in.axis[n] = read_number(read, tool_axis[n], separator);
    in.tool_length = read_number(read, tool_length, separator);
    in.pivot_distance = read_number(read, pivot_distance, separator);
    return in;
}

// All three texts are made before any is handed out, so a component out of range leaves
// the whole point as it was.
Outcome write_point(const Triple& fields, const std::array<double, 3>& values, wchar_t separator) {
    Writes writes;
    for (int n = 0; n < 3; ++n)
        writes.push_back({fields[n], numbers::result_text(field_label(fields[n]), values[n],
                                                          four_decimals, separator)});
    return writes;
}

} // namespace

Outcome compute_program_point(const FieldReader& read, wchar_t decimal_separator) {
    try {
        const Inputs in = read_inputs(read, tip_point, decimal_separator);
        std::array<double, 3> program{};
        for (int n = 0; n < 3; ++n)
            program[n] =
                (in.pivot_distance + in.tool_length) * in.axis[n] + (in.point[n] - in.origin[n]);
        return write_point(program_point, program, decimal_separator);
    } catch (const numbers::FieldError& error) {
        return Message{error.message(), std::wstring(title)};
    }
}

Outcome compute_tip_point(const FieldReader& read, wchar_t decimal_separator) {
    try {
        const Inputs in = read_inputs(read, program_point, decimal_separator);
        std::array<double, 3> tip{};
        for (int n = 0; n < 3; ++n)
            tip[n] =
                (in.origin[n] + in.point[n]) - (in.pivot_distance + in.tool_length) * in.axis[n];
        return write_point(tip_point, tip, decimal_separator);
    } catch (const numbers::FieldError& error) {
        return Message{error.message(), std::wstring(title)};
    }
}

} // namespace translate_calc
