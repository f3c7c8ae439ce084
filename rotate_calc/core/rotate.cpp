#include "core/rotate.h"

#include "numbers/field_values.h"

#include <cmath>

namespace rotate_calc {

void set_matrix_a(double angle, Matrix& m) {
    m = {{{1, 0, 0, 0},
          {0, std::cos(angle), -std::sin(angle), 0},
          {0, std::sin(angle), std::cos(angle), 0}}};
}

void set_matrix_b(double angle, Matrix& m) {
    m = {{{std::cos(angle), 0, std::sin(angle), 0},
          {0, 1, 0, 0},
          {-std::sin(angle), 0, std::cos(angle), 0}}};
}

void set_matrix_c(double angle, Matrix& m) {
    m = {{{std::cos(angle), -std::sin(angle), 0, 0},
          {std::sin(angle), std::cos(angle), 0, 0},
          {0, 0, 1, 0}}};
}

void apply_matrix(Point& p, const Matrix& m) {
    const double x = p[0], y = p[1], z = p[2]; // every row uses the point as it was
    for (int r = 0; r < 3; ++r)
        p[r] = ((x * m[r][0] + y * m[r][1]) + z * m[r][2]) + m[r][3];
}

Point rotate(const Point& p, double degrees, Axis axis, PlusDirection direction) {
    const double degrees_per_radian = 180 / pi;
    double angle = degrees / degrees_per_radian; // a division, as the results were always made
    if (direction == PlusDirection::counter_clockwise) angle = -angle;
    Matrix m{};
    switch (axis) {
    case Axis::a:
        set_matrix_a(angle, m);
        break;
    case Axis::b:
        set_matrix_b(angle, m);
        break;
    case Axis::c:
        set_matrix_c(angle, m);
        break;
    }
    Point rotated = p;
    apply_matrix(rotated, m);
    return rotated;
}

numbers::Outcome compute(const Fields& fields, wchar_t decimal_separator) {
    try {
        const double degrees = numbers::read_field(L"Rotary Axis", fields.angle, decimal_separator);
        const Point point{numbers::read_field(L"X-Axis", fields.x, decimal_separator),
                          numbers::read_field(L"Y-Axis", fields.y, decimal_separator),
                          numbers::read_field(L"Z-Axis", fields.z, decimal_separator)};
        const Point rotated = rotate(point, degrees, fields.axis, fields.direction);
        constexpr std::wstring_view results[] = {L"NXA", L"NYA", L"NZA"};
        constexpr std::wstring_view labels[] = {L"New X-Axis", L"New Y-Axis", L"New Z-Axis"};
        numbers::Writes writes;
        for (int r = 0; r < 3; ++r)
            writes.push_back({results[r], numbers::result_text(labels[r], rotated[r], 10000,
                                                               decimal_separator)});
        return writes;
    } catch (const numbers::FieldError& error) {
        return numbers::Message{error.message(), std::wstring(title)};
    }
}

numbers::Outcome clear(const Fields&, wchar_t) {
    numbers::Writes writes;
    for (std::wstring_view field : {L"RA", L"XA", L"YA", L"ZA", L"NXA", L"NYA", L"NZA"})
        writes.push_back({field, L" "});
    return writes;
}

} // namespace rotate_calc
