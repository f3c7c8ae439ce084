#pragma once
// A drilling cycle as CYCLE gives it:
//   CYCLE/type, depth, MMPM|IPM, feed, clearance        (the classic order)
//   CYCLE/type, DEPTH, d, FEDRAT, f, CLEAR, c, RETRCT, r, STEP, s   (words in any order)
// type DRILL (G81), DEEP (G83, pecks of STEP), TAP (G84) or BORE (G85). Depth and clearance
// are measured along the tool axis from the point of each following GOTO (the top of the
// hole); RETRCT is the height above it the tool returns to between holes (G98), without it
// the tool returns to the clearance (G99). FEDRAT gives the feed in CL units, MMPM and IPM
// in theirs; without one, the feed of the last FEDRAT holds.

#include "cl_reader/record.h"
#include "cl_reader/feed_units.h"

#include <optional>
#include <string_view>

namespace cl {

struct DrillingCycle {
    std::string_view g_code; // G81, G83, G84 or G85
    double depth = 0, clearance = 0;
    std::optional<double> retract, step; // CL units, like depth and clearance
    std::optional<double> feed;          // machine units per minute
};

// The cycle of a CYCLE record, or nothing for CYCLE/OFF. Throws Error for a missing or
// wrong value.
std::optional<DrillingCycle> read_cycle(const Record& record, const FeedUnits& units);

} // namespace cl
