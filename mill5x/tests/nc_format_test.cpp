// The hand-written digits of a block's numbers against the library's exact decimal rounding:
// std::to_chars with trailing zeros dropped, the point kept and no negative zero.

#include "nc_format.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <iomanip>
#include <random>

namespace mill5x {
namespace {

std::string reference(double value, int decimals) {
    char text[longest_number];
    std::string s(
        text,
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals).ptr);
    while (decimals > 0 && s.back() == '0')
        s.pop_back();
    if (decimals == 0) s += '.';
    return s == "-0." ? "0." : s;
}

// The number both ways, and from its units when it has them, against the reference.
void expect_written(double value, int decimals, const std::string& expected) {
    char text[longest_number];
    const std::string number(text, format_number(text, value, decimals));
    EXPECT_EQ(number, expected) << std::setprecision(17) << value << " to " << decimals;
    if (const auto units = rounded_units(value, decimals)) {
        EXPECT_EQ(std::string(text, format_units(text, *units, decimals)), expected)
            << std::setprecision(17) << value << " to " << decimals << ": " << *units;
    }
}

TEST(NcFormat, WritesTheExactDecimalRounding) {
    const struct {
        double value;
        int decimals;
        const char* text;
    } cases[] = {
        // clang-format off
        // The point kept, no negative zero.
        {10, 3, "10."}, {-0.25, 3, "-0.25"}, {0.0, 4, "0."}, {-0.0, 3, "0."}, {-0.0, 0, "0."},
        {-0.00049, 3, "0."}, {-0.4, 0, "0."}, {-0.5, 0, "0."},
        // Exact halves go to the even digit; written halves lie just above or below one.
        {0.5, 0, "0."}, {2.5, 0, "2."}, {3.5, 0, "4."}, {-2.5, 0, "-2."}, {0.125, 2, "0.12"},
        {0.375, 2, "0.38"}, {0.0625, 3, "0.062"}, {0.0005, 3, "0.001"}, {-0.0005, 3, "-0.001"},
        {2.5e-4, 4, "0.0003"}, {2.5e-4, 3, "0."}, {1.5e-4, 4, "0.0001"}, {1.0005, 3, "1."},
        {2.675, 2, "2.67"}, {1.2345, 3, "1.234"}, {0.0015, 3, "0.002"},
        {std::nextafter(0.0005, 0.0), 3, "0."}, {std::nextafter(0.0015, 0.0), 3, "0.001"},
        // Near and beyond a thousand million million units.
        {99999999999.99995, 4, "100000000000."}, {1e14, 0, "100000000000000."},
        {1e14, 4, "100000000000000."}, {1e14 + 0.5, 0, "100000000000000."},
        {999999999999999.5, 0, "1000000000000000."}, {4503599627370495.5, 0, "4503599627370496."},
        {-1.5e16, 2, "-15000000000000000."}, {1e20, 3, "100000000000000000000."},
        // clang-format on
    };
    for (const auto& c : cases) {
        EXPECT_EQ(reference(c.value, c.decimals), c.text);
        expect_written(c.value, c.decimals, c.text);
    }

    // Values of every size, and halves of the last decimal with their neighbours.
    std::mt19937_64 random(5);
    std::uniform_real_distribution<double> unit(-1, 1);
    constexpr double sizes[] = {1e-3, 1, 1e3, 1e6, 1e11, 1e15, 1e17};
    for (int i = 0; i < 200'000 && !HasFailure(); ++i) {
        const int decimals = static_cast<int>(random() % 5);
        double value = unit(random) * sizes[random() % std::size(sizes)];
        if (i % 2) {
            const double odd = 2.0 * static_cast<double>(random() % 2'000'000'000'000) + 1;
            value = std::copysign(odd / (2 * std::pow(10.0, decimals)), value);
            if (i % 3) value = std::nextafter(value, i % 3 == 1 ? -1e300 : 1e300);
        }
        expect_written(value, decimals, reference(value, decimals));
    }
}

} // namespace
} // namespace mill5x
