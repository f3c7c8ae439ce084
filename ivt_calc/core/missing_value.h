#pragma once
// The empty-field check that comes before every computation of the calculator.

#include "outcome.h"
#include "position.h"

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

// The check both computations make: the six coordinates of the move in their order, then
// the computation's own input (the feed, or the 1/T FRN).
std::optional<Message> first_missing_value_of_move(const PositionTexts& previous,
                                                   const PositionTexts& current,
                                                   RequiredField last);

} // namespace ivt
