#include "feed_from_number.h"

#include "missing_value.h"

#include "numbers/field_values.h"

#include <cmath>

namespace ivt {
namespace {

constexpr double scale = 10000;     // four decimals
constexpr double feed_scale = 1000; // the feed shows three

} // namespace

Outcome compute_feed_from_number(const FeedFromNumberInput& input, wchar_t decimal_separator) {
    if (auto missing =
            first_missing_value_of_move(input.previous, input.current, {input.number, L"1/T FRN"}))
        return *missing;

    try {
        const Position previous =
            read_position(L"Previous", input.previous, false, decimal_separator);
        const Position current = read_position(L"Current", input.current, false, decimal_separator);
        const double number = numbers::read_field(L"1/T FRN", input.number, decimal_separator);
        if (number == 0) {
            throw numbers::FieldError(L"The field \"1/T FRN\" is 0. Please enter a 1/T FRN "
                                      L"other than zero: its inverse is the time for the cut.");
        }

        const Position delta = current - previous;
        const double distance =
            std::sqrt((delta.x * delta.x + delta.y * delta.y) + delta.z * delta.z);
        const double feed = distance * number;
        const double time = 1 / number;

        const auto shown = [&](std::wstring_view name, double value, double with_scale) {
            return numbers::result_text(name, value, with_scale, decimal_separator);
        };
        // Every text is made before the window is touched, so a failing one writes nothing.
        return Writes{
            {L"DX", shown(L"X-axis difference", delta.x, scale)},
            {L"DY", shown(L"Y-axis difference", delta.y, scale)},
            {L"DZ", shown(L"Z-axis difference", delta.z, scale)},
            {L"Dist", shown(L"Cut distance", distance, scale)},
            {L"Time", shown(L"Time for cut", time, scale)},
            {L"FR", shown(L"UPM Feed", feed, feed_scale)},
        };
    } catch (const numbers::FieldError& error) {
        return Message{error.message(), std::wstring(program_title)};
    }
}

} // namespace ivt
