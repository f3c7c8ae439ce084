// The calculators' number fields. Property: a number read and written in the general format
// reads back to the same text (the format's round trip).

#include "numbers/number_text.h"
#include "fuzz_text.h"
#include "numbers/field_values.h"

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::wstring text = fuzz::wide(fuzz::bytes(data, size));
    for (const wchar_t separator : {L'.', L','}) {
        try {
            numbers::read_field(L"Field", text, separator);
        } catch (const numbers::FieldError&) {
        }
        const auto number = numbers::number_from_text(text, separator);
        if (!number) continue;
        if (!std::isfinite(*number)) std::abort();
        const std::wstring written = numbers::general_format(*number, separator);
        const auto again = numbers::number_from_text(written, separator);
        if (!again || numbers::general_format(*again, separator) != written) std::abort();
        numbers::display_round(*number, 1000);
        try {
            numbers::result_text(L"Result", *number, 1000, separator);
        } catch (const numbers::FieldError&) { // too large to show: a message, as designed
        }
    }
    return 0;
}
