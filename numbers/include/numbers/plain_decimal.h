#pragma once
// Numbers as CL records and NC words write them, read fast: millions of them are read in
// one run.

#include <optional>
#include <string_view>

namespace numbers {

// An optional sign, then digits with at most one decimal point ("10", "-.5", "+3."): nothing
// else, no exponent, no blanks. Nothing when the text is not such a number. The result is
// the correctly rounded double, the one std::from_chars gives.
std::optional<double> plain_decimal(std::string_view text);

// The same at the start of the text, which may go on after the number; the length read.
struct DecimalPrefix {
    double value = 0;
    std::size_t length = 0; // 0: no number
};
DecimalPrefix plain_decimal_prefix(std::string_view text);

} // namespace numbers
