#pragma once
// "Compute 1/T FRN": the inverse-time feed-rate number of one move from a feed in units per
// minute, with the deltas, the cut distance and the time for the cut.

#include "outcome.h"
#include "position.h"

#include <string>

namespace ivt {

struct InverseTimeNumberInput {
    PositionTexts previous, current;
    std::wstring feed;                  // UPM
    RotaryAxis axis = RotaryAxis::none; // which rotary option is chosen
    bool in_seconds = false;            // "Seconds" chosen; otherwise minutes
};

// Writes the time caption, DX, DY, DZ, DR (the arc length), Dist, Time and IVT; or the
// message for the first empty field, a text that is not a number, a zero feed or distance,
// or a result too large to show.
Outcome compute_inverse_time_number(const InverseTimeNumberInput& input, wchar_t decimal_separator);

} // namespace ivt
