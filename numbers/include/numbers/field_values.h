#pragma once
// Reading a calculator's input fields and preparing its result texts. Every failure is a
// FieldError whose message names the field or the result and says what is wrong, in
// words fit for a message box.

#include <stdexcept>
#include <string>
#include <string_view>

namespace numbers {

class FieldError : public std::runtime_error {
public:
    explicit FieldError(std::wstring message)
        : std::runtime_error("field error"), message_(std::move(message)) {}
    const std::wstring& message() const { return message_; }

private:
    std::wstring message_;
};

// The number in a field's text, or a FieldError naming the field.
double read_field(std::wstring_view label, std::wstring_view text, wchar_t decimal_separator);

// The display text of a result rounded with the given scale (10000 for four decimals), or
// a FieldError naming the result when it is not finite or outside the rounding's range.
std::wstring result_text(std::wstring_view label, double value, double scale,
                         wchar_t decimal_separator);

} // namespace numbers
