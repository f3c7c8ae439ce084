#pragma once
// The commands of the rotary-head translation calculator, free of any window: each reads
// the field texts it needs through a FieldReader and answers with the texts to write, in
// the order to write them, or with one message for the user. A command that fails writes
// nothing, so a point is never left half updated.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace translate_calc {

// The current text of the window's field with the given name ("TipX", "Pivotz", ...).
using FieldReader = std::function<std::wstring(std::wstring_view field)>;

struct FieldText {
    std::wstring_view field;
    std::wstring text;
    bool operator==(const FieldText&) const = default;
};

struct Outcome {
    std::vector<FieldText> writes; // empty when the command failed
    std::wstring error;            // the message for the user; empty on success
    bool failed() const { return !error.empty(); }
};

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
