#pragma once
// The rotary-head translation calculator, free of any window: normalising the tool axis,
// translating a tool tip point into a program pivot point and back, and clearing. Each
// command takes the texts the window shows and answers with the texts to write, in order,
// or with one message; a command that fails writes nothing, so a point is never left half
// updated.

#include "numbers/outcome.h"

#include <array>
#include <string>
#include <string_view>

namespace translate_calc {

// The window's caption and the title of every message the calculator shows.
inline constexpr std::wstring_view title = L"Rotary Head Translations";

using Triple = std::array<std::wstring, 3>; // X, Y, Z (or I, J, K)

// What the window shows when a button is pressed.
struct Fields {
    Triple tip_point;            // TipX, TipY, TipZ
    Triple tool_axis;            // TipI, TipJ, TipK
    std::wstring tool_length;    // TLgh
    std::wstring pivot_distance; // Pivotz
    Triple origin;               // OrgX, OrgY, OrgZ
    Triple program_point;        // PrgX, PrgY, PrgZ
};

// NORMALIZE TOOL AXIS: TipI, TipJ, TipK made a unit vector, six decimals.
numbers::Outcome normalize_tool_axis(const Fields& fields, wchar_t decimal_separator);

// COMPUTE PROGRAM POINT: the tool tip point moved along the tool axis by tool length plus
// pivot distance, less the origin, into PrgX, PrgY, PrgZ.
numbers::Outcome compute_program_point(const Fields& fields, wchar_t decimal_separator);

// COMPUTE TIP POINT: the way back, from the program pivot point into TipX, TipY, TipZ.
numbers::Outcome compute_tip_point(const Fields& fields, wchar_t decimal_separator);

// CLEAR: both points blank, the axis 0, 0, 1, lengths and origin 0.
numbers::Outcome clear(const Fields& fields, wchar_t decimal_separator);

// CLEAR RESULTS: both points blank, everything else kept.
numbers::Outcome clear_results(const Fields& fields, wchar_t decimal_separator);

} // namespace translate_calc
