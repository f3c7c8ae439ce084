#pragma once
// The empty-field check that comes before every computation of the calculator.

#include "outcome.h"

#include <initializer_list>
#include <optional>
#include <string_view>

namespace ivt {

inline constexpr std::wstring_view missing_value_title = L"Value missing";

struct RequiredField {
    std::wstring_view text;
    std::wstring_view name; // as the user knows it: "Previous X-axis", "UPM Feed"
};

// The message for the first field whose text is exactly empty. A blank is not empty here:
// it fails later, when the text is read as a number.
std::optional<Message> first_missing_value(std::initializer_list<RequiredField> fields);

} // namespace ivt
