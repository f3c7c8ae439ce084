#pragma once
// How MILL5X writes a number of a block: rounded to a fixed number of decimals with trailing
// zeros dropped but the decimal point kept (X10. not X10, which many controls would read as
// 10 thousandths), and never a negative zero.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace mill5x {

// The decimals of the addresses that are not lengths (X, Y, Z: 3 in millimetres, 4 in inches).
constexpr int angle_decimals = 3;
constexpr int inverse_time_decimals = 4;

// The value as the program writes it, in units of its last decimal (0 to 4 decimals):
// 12.3456 to 3 decimals is 12346. What std::to_chars rounds to, halves included. Nothing
// for a value beyond a thousand million million units.
std::optional<std::int64_t> rounded_units(double value, int decimals);

// The text of such units: 12346 with 3 decimals is "12.346"; returns the length written.
constexpr std::size_t longest_number = 400;
std::size_t format_units(char* text, std::int64_t units, int decimals);

// Any value, into a buffer of longest_number characters; returns the length written.
std::size_t format_number(char* text, double value, int decimals);
void append_number(std::string& text, double value, int decimals);

// The letter and the number: nc_address('X', -0.25, 3) is "X-0.25".
std::string nc_address(char letter, double value, int decimals);

// How far a tool tip may lie from where it was meant to be because the linear axes are
// written to length_decimals and the rotary axes to angle_decimals, at arm's length from the
// rotary axes' pivot.
double tip_rounding(int length_decimals, int angle_decimals, double arm);

} // namespace mill5x
