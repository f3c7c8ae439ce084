#pragma once
// A cutter position as the calculator reads it: X, Y, Z and the angle of one rotary axis in
// degrees.

#include <string>
#include <string_view>

namespace ivt {

struct PositionTexts {
    std::wstring x, y, z, rotary;
};

struct Position {
    double x = 0, y = 0, z = 0, rotary = 0;
};

// which is "Previous" or "Current"; it begins the field names in messages ("Previous
// X-axis"). Without with_rotary the rotary text is not read and the angle stays 0. Throws
// numbers::FieldError naming the first field that holds no number.
Position read_position(std::wstring_view which, const PositionTexts& texts, bool with_rotary,
                       wchar_t decimal_separator);

Position operator-(const Position& current, const Position& previous);

// The axis the rotary angle turns about (the option chosen in the window); none when no
// option is chosen.
enum class RotaryAxis { none, a, b, c };

// The distance of a position from the line the rotary axis turns about: A turns about X, B
// about Y and C about Z. With no choice made the radius is measured as for B.
double rotary_radius(const Position& position, RotaryAxis axis);

} // namespace ivt
