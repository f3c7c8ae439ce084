#include "inverse_time_number.h"

#include "missing_value.h"

#include "numbers/field_values.h"

#include <cmath>

namespace ivt {
namespace {

// The rounding of every result of this computation: four decimals.
constexpr double scale = 10000;

// Not the full-precision pi: the calculator's arc lengths have always used this factor.
constexpr double pi = 3.14159;

} // namespace

Outcome compute_inverse_time_number(const InverseTimeNumberInput& input,
                                    wchar_t decimal_separator) {
    if (auto missing =
            first_missing_value_of_move(input.previous, input.current, {input.feed, L"UPM Feed"}))
        return *missing;

    try {
        const Position previous =
            read_position(L"Previous", input.previous, true, decimal_separator);
        const Position current = read_position(L"Current", input.current, true, decimal_separator);
        const double feed = numbers::read_field(L"UPM Feed", input.feed, decimal_separator);
        if (feed == 0) {
            throw numbers::FieldError(L"The field \"UPM Feed\" is 0. Please enter a feed "
                                      L"other than zero: at no feed the cut would never end.");
        }

        const Position delta = current - previous;
        const double circumference =
            (rotary_radius(current, input.axis) + rotary_radius(previous, input.axis)) * pi;
        const double arc = (delta.rotary / 360) * circumference;
        const double distance =
            std::sqrt(((delta.x * delta.x + delta.y * delta.y) + delta.z * delta.z) + arc * arc);
        if (distance == 0) {
            throw numbers::FieldError(
                L"The cut distance is 0: the move from the previous to the current position "
                L"has no length, so it has no time and no 1/T FRN. Please enter positions "
                L"that differ.");
        }
        double time = distance / feed;
        if (input.in_seconds) time *= 60;
        const double number = 1 / time;

        const auto shown = [&](std::wstring_view name, double value) {
            return numbers::result_text(name, value, scale, decimal_separator);
        };
        // Every text is made before the window is touched, so a failing one writes nothing.
        return Writes{
            {L"Label6", input.in_seconds ? L"Time (Sec.)" : L"Time (Min.)"},
            {L"DX", shown(L"X-axis difference", delta.x)},
            {L"DY", shown(L"Y-axis difference", delta.y)},
            {L"DZ", shown(L"Z-axis difference", delta.z)},
            {L"DR", shown(L"Rotary Axis Difference", arc)},
            {L"Dist", shown(L"Cut distance", distance)},
            {L"Time", shown(L"Time for cut", time)},
            {L"IVT", shown(L"1/T FRN", number)},
        };
    } catch (const numbers::FieldError& error) {
        return Message{error.message(), std::wstring(program_title)};
    }
}

} // namespace ivt
