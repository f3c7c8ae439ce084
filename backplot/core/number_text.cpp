#include "number_text.h"

#include <cmath>
#include <cstdio>

namespace backplot {

std::string number_text(double value, int decimals) {
    if (!std::isfinite(value)) return "?";
    char text[400];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string result = text;
    if (result.find('.') != std::string::npos) {
        while (result.back() == '0')
            result.pop_back();
        if (result.back() == '.') result.pop_back();
    }
    if (result == "-0") result = "0";
    return result;
}

} // namespace backplot
