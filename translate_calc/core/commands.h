#pragma once
// The commands of the rotary-head translation calculator, free of any window: each reads
// the field texts it needs through a FieldReader and answers with the texts to write, in
// the order to write them, or with one message for the user. A command that fails writes
// nothing, so a point is never left half updated.

#include "numbers/outcome.h"

#include <string_view>

namespace translate_calc {

using numbers::FieldReader;
using numbers::FieldText;
using numbers::Message;
using numbers::Outcome;
using numbers::Writes;

// The title of every message the calculator shows.
inline constexpr std::wstring_view title = L"Rotary Head Translations";

// NORMALIZE TOOL AXIS: TipI, TipJ, TipK made a unit vector, six decimals.
Outcome normalize_tool_axis(const FieldReader& read, wchar_t decimal_separator);

// COMPUTE PROGRAM POINT: the tool tip point moved along the tool axis by tool length plus
// pivot distance, less the origin, into PrgX, PrgY, PrgZ.
Outcome compute_program_point(const FieldReader& read, wchar_t decimal_separator);

// COMPUTE TIP POINT: the way back, from the program pivot point into TipX, TipY, TipZ.
Outcome compute_tip_point(const FieldReader& read, wchar_t decimal_separator);

// CLEAR: both points blank, the axis 0, 0, 1, lengths and origin 0.
Outcome clear_all(wchar_t decimal_separator);

// CLEAR RESULTS: both points blank, everything else kept.
Outcome clear_results();

} // namespace translate_calc
