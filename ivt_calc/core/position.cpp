#include "position.h"

#include "numbers/field_values.h"

#include <cmath>

namespace ivt {

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

Position operator-(const Position& current, const Position& previous) {
    return {current.x - previous.x, current.y - previous.y, current.z - previous.z,
            current.rotary - previous.rotary};
}

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

} // namespace ivt
