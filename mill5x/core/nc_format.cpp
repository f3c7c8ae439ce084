#include "nc_format.h"

#include <charconv>

namespace mill5x {

std::string nc_address(char letter, double value, int decimals) {
    char digits[64];
    const auto end =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, decimals)
            .ptr;
    std::string text(digits, end);
    if (text.find('.') == std::string::npos) text += '.';
    while (text.back() == '0')
        text.pop_back();
    if (text == "-0.") text = "0.";
    return letter + text;
}

} // namespace mill5x
