#pragma once
// How MILL5X writes a number of a block: rounded to a fixed number of decimals with trailing
// zeros dropped but the decimal point kept (X10. not X10, which many controls would read as
// 10 thousandths), and never a negative zero.

#include <string>

namespace mill5x {

// Appends the number; what std::to_chars would write to that many decimals, trimmed.
void append_number(std::string& text, double value, int decimals);

// The letter and the number: nc_address('X', -0.25, 3) is "X-0.25".
std::string nc_address(char letter, double value, int decimals);

} // namespace mill5x
