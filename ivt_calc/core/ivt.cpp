#include "core/ivt.h"

#include "numbers/field_values.h"
#include "numbers/number_text.h"

#include <cmath>
#include <initializer_list>
#include <optional>

namespace ivt_calc {
namespace {

using numbers::FieldError;
using numbers::Message;
using numbers::Outcome;
using numbers::Writes;

// The title of the message for an empty field.
constexpr std::wstring_view missing_value_title = L"Value missing";

constexpr double scale = 10000;     // four decimals for every result
constexpr double feed_scale = 1000; // but three for the feed

// Not the full-precision pi: the calculator's arc lengths have always used this factor.
constexpr double pi = 3.14159;

struct Position {
    double x = 0, y = 0, z = 0, rotary = 0;
};

Position operator-(const Position& current, const Position& previous) {
    return {current.x - previous.x, current.y - previous.y, current.z - previous.z,
            current.rotary - previous.rotary};
}

// which ("Previous" or "Current") begins the field names in messages ("Previous X-axis").
// Without with_rotary the rotary text is not read and the angle stays 0.
Position read_position(std::wstring_view which, const PositionTexts& texts, bool with_rotary,
                       wchar_t decimal_separator) {
    const auto read = [&](std::wstring_view axis, const std::wstring& text) {
        return numbers::read_field(std::wstring(which) + L" " + std::wstring(axis), text,
                                   decimal_separator);
    };
    Position position;
    position.x = read(L"X-axis", texts.x);
    position.y = read(L"Y-axis", texts.y);
    position.z = read(L"Z-axis", texts.z);
    if (with_rotary) position.rotary = read(L"Rotary Axis", texts.rotary);
    return position;
}

// The distance of a position from the line the rotary axis turns about: A turns about X, B
// about Y and C about Z. With no choice made the radius is measured as for B.
double rotary_radius(const Position& p, RotaryAxis axis) {
    switch (axis) {
    case RotaryAxis::a:
        return std::sqrt(p.y * p.y + p.z * p.z);
    case RotaryAxis::c:
        return std::sqrt(p.x * p.x + p.y * p.y);
    case RotaryAxis::b:
    case RotaryAxis::none:
        break;
    }
    return std::sqrt(p.x * p.x + p.z * p.z);
}

struct RequiredField {
    std::wstring_view text;
    std::wstring_view name; // as the user knows it: "Previous X-axis", "UPM Feed"
};

// The message for the first of the six coordinates of the move, then the computation's own
// input, whose text is exactly empty. A blank is not empty here: it fails later, when the
// text is read as a number. The rotary fields are no part of this check.
std::optional<Message> first_missing_value(const Fields& fields, const RequiredField& last) {
    const PositionTexts &previous = fields.previous, &current = fields.current;
    for (const RequiredField& field : {RequiredField{previous.x, L"Previous X-axis"},
                                       {previous.y, L"Previous Y-axis"},
                                       {previous.z, L"Previous Z-axis"},
                                       {current.x, L"Current X-axis"},
                                       {current.y, L"Current Y-axis"},
                                       {current.z, L"Current Z-axis"},
                                       last}) {
        if (field.text.empty()) {
            return Message{L"Please enter value for " + std::wstring(field.name) + L".",
                           std::wstring(missing_value_title)};
        }
    }
    return std::nullopt;
}

// What both computations share: the check for an empty field, then reading the move and
// the computation's own input (`value`, the feed or the number, which must be greater
// than 0: `why_not_zero` says why). `compute` gets both positions, the move
// between them and that input; it makes every text before the window is touched, so a
// failing one writes nothing. Every failure becomes the one message.
template <class Compute>
Outcome compute_on_move(const Fields& fields, const RequiredField& value, bool with_rotary,
                        std::wstring_view why_not_zero, wchar_t decimal_separator,
                        Compute compute) {
    if (auto missing = first_missing_value(fields, value)) return *missing;
    try {
        const Position previous =
            read_position(L"Previous", fields.previous, with_rotary, decimal_separator);
        const Position current =
            read_position(L"Current", fields.current, with_rotary, decimal_separator);
        const double number = numbers::read_field(value.name, value.text, decimal_separator);
        // Zero and below have no meaning for a feed or an inverse time.
        if (number <= 0) {
            throw FieldError(L"The field \"" + std::wstring(value.name) + L"\" is " +
                             numbers::general_format(number, decimal_separator) +
                             L". It must be greater than zero: " + std::wstring(why_not_zero));
        }
        return compute(previous, current, current - previous, number);
    } catch (const FieldError& error) {
        return Message{error.message(), std::wstring(title)};
    }
}

} // namespace

Outcome compute_number(const Fields& fields, wchar_t decimal_separator) {
    return compute_on_move(
        fields, {fields.feed, L"UPM Feed"}, true, L"at no feed the cut would never end.",
        decimal_separator,
        [&](const Position& previous, const Position& current, const Position& delta, double feed) {
            const double circumference =
                (rotary_radius(current, fields.axis) + rotary_radius(previous, fields.axis)) * pi;
            const double arc = (delta.rotary / 360) * circumference;
            const double distance = std::sqrt(
                ((delta.x * delta.x + delta.y * delta.y) + delta.z * delta.z) + arc * arc);
            if (distance == 0) {
                throw FieldError(
                    L"The cut distance is 0: the move from the previous to the current position "
                    L"has no length, so it has no time and no 1/T FRN. Please enter positions "
                    L"that differ.");
            }
            double time = distance / feed;
            if (fields.in_seconds) time *= 60;
            const double number = 1 / time;

            const auto shown = [&](std::wstring_view name, double value) {
                return numbers::result_text(name, value, scale, decimal_separator);
            };
            return Writes{
                {L"Label6", fields.in_seconds ? L"Time (Sec.)" : L"Time (Min.)"},
                {L"DX", shown(L"X-axis difference", delta.x)},
                {L"DY", shown(L"Y-axis difference", delta.y)},
                {L"DZ", shown(L"Z-axis difference", delta.z)},
                {L"DR", shown(L"Rotary Axis Difference", arc)},
                {L"Dist", shown(L"Cut distance", distance)},
                {L"Time", shown(L"Time for cut", time)},
                {L"IVT", shown(L"1/T FRN", number)},
            };
        });
}

Outcome compute_feed(const Fields& fields, wchar_t decimal_separator) {
    return compute_on_move(
        fields, {fields.number, L"1/T FRN"}, false, L"its inverse is the time for the cut.",
        decimal_separator,
        [&](const Position&, const Position&, const Position& delta, double number) {
            const double distance =
                std::sqrt((delta.x * delta.x + delta.y * delta.y) + delta.z * delta.z);
            const double feed = distance * number;
            const double time = 1 / number;

            const auto shown = [&](std::wstring_view name, double value, double with_scale) {
                return numbers::result_text(name, value, with_scale, decimal_separator);
            };
            return Writes{
                {L"DX", shown(L"X-axis difference", delta.x, scale)},
                {L"DY", shown(L"Y-axis difference", delta.y, scale)},
                {L"DZ", shown(L"Z-axis difference", delta.z, scale)},
                {L"Dist", shown(L"Cut distance", distance, scale)},
                {L"Time", shown(L"Time for cut", time, scale)},
                {L"FR", shown(L"UPM Feed", feed, feed_scale)},
            };
        });
}

Outcome clear(const Fields&, wchar_t) {
    Writes writes{{L"IVT", L"0"}};
    for (std::wstring_view output : {L"Time", L"Dist", L"DX", L"DY", L"DZ", L"DR"})
        writes.push_back({output, L" "});
    for (std::wstring_view input : {L"FR", L"CX", L"CY", L"CZ", L"CR", L"LX", L"LY", L"LZ", L"LR"})
        writes.push_back({input, L"0"});
    return writes;
}

} // namespace ivt_calc
