#pragma once
// The calculator's buttons answer with the toolkit's outcome: texts to write, or a message.

#include "numbers/outcome.h"

#include <string_view>

namespace ivt {

inline constexpr std::wstring_view program_title = L"Inverse Time Feed";

using numbers::FieldText;
using numbers::Message;
using numbers::Outcome;
using numbers::Writes;

} // namespace ivt
