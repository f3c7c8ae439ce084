#pragma once
// How MILL5X writes an address of a block: the letter, then the value rounded to a fixed
// number of decimals with trailing zeros dropped but the decimal point kept (X10. not X10,
// which many controls would read as 10 thousandths), and never a negative zero.

#include <string>

namespace mill5x {

std::string nc_address(char letter, double value, int decimals);

} // namespace mill5x
