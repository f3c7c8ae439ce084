#pragma once
// Numbers as the status bar and the messages write them: at most `decimals` decimals, a
// period, no thousands separators, no trailing zeros, and never "-0".

#include <string>

namespace backplot {

std::string number_text(double value, int decimals = 3);

} // namespace backplot
