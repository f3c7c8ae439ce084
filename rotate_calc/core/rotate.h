#pragma once
// Where a point lies after the rotary axis A, B or C turns by an angle: a 3 × 4 affine
// matrix filled for the axis and applied to the point.

#include "numbers/outcome.h"

#include <array>
#include <string>
#include <string_view>

namespace rotate_calc {

enum class Axis { a, b, c };
enum class PlusDirection { clockwise, counter_clockwise };

using Point = std::array<double, 3>;
using Matrix = std::array<std::array<double, 4>, 3>; // rotation columns 0-2, translation 3

// π as the calculator has always taken it: eight decimals, not the double nearest to π.
inline constexpr double pi = 3.14159265;

void set_matrix_a(double angle, Matrix& m); // YZ plane, about X
void set_matrix_b(double angle, Matrix& m); // ZX plane, about Y
void set_matrix_c(double angle, Matrix& m); // XY plane, about Z
void apply_matrix(Point& p, const Matrix& m);

// The unrounded point after the rotation by degrees.
Point rotate(const Point& p, double degrees, Axis axis, PlusDirection direction);

// What the window shows when a button is pressed.
struct Fields {
    std::wstring angle, x, y, z; // RA, XA, YA, ZA
    Axis axis = Axis::b;
    PlusDirection direction = PlusDirection::counter_clockwise;
};

// The window's caption and the title of its messages.
inline constexpr std::wstring_view title = L"ROTATION TRANSFORMATIONS";

// COMPUTE: the texts for NXA, NYA, NZA, or the message that tells why there are none.
numbers::Outcome compute(const Fields& fields, wchar_t decimal_separator);

// CLEAR: a blank in every field; the options keep their state.
numbers::Outcome clear(const Fields& fields, wchar_t decimal_separator);

} // namespace rotate_calc
