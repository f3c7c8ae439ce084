#pragma once
// The calculator's fields as the commands see them: names, the words that name them in a
// message, and reading one as a number.

#include "commands.h"

#include <array>
#include <string_view>

namespace translate_calc {

using Triple = std::array<std::wstring_view, 3>; // the X, Y, Z (or I, J, K) fields of one group

inline constexpr Triple tip_point = {L"TipX", L"TipY", L"TipZ"};
inline constexpr Triple tool_axis = {L"TipI", L"TipJ", L"TipK"};
inline constexpr Triple origin = {L"OrgX", L"OrgY", L"OrgZ"};
inline constexpr Triple program_point = {L"PrgX", L"PrgY", L"PrgZ"};
inline constexpr std::wstring_view tool_length = L"TLgh";
inline constexpr std::wstring_view pivot_distance = L"Pivotz";

// How a message names the field, e.g. "X-Axis at tool tip" for TipX.
std::wstring_view field_label(std::wstring_view field);

// The field's text as a number; numbers::FieldError naming the field otherwise.
double read_number(const FieldReader& read, std::wstring_view field, wchar_t decimal_separator);

} // namespace translate_calc
