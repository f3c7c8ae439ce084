#pragma once
// "Compute UPM Feed": the feed in units per minute of one linear move from its inverse-time
// feed-rate number, taken per minute, with the deltas, the cut distance and the time.

#include "outcome.h"
#include "position.h"

#include <string>

namespace ivt {

struct FeedFromNumberInput {
    PositionTexts previous, current; // the rotary angles are not read
    std::wstring number;             // 1/T FRN, per minute
};

// Writes DX, DY, DZ, Dist, Time and FR; or the message for the first empty field, a text
// that is not a number, a zero 1/T FRN or a result too large to show.
Outcome compute_feed_from_number(const FeedFromNumberInput& input, wchar_t decimal_separator);

} // namespace ivt
