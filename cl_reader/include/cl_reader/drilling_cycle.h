#pragma once
// A drilling cycle as CAM systems write it, in the classic order or with named words:
//   CYCLE/type, depth, MMPM|IPM|MMPR|IPR, feed, clearance [, retract]
//   CYCLE/type, DEPTH, d, CLEAR, c, RETRCT, r, STEP, s, FEDRAT, f, ...
//   CYCLE/type, FEDTO, -d, RAPTO, c, RTRCTO, AUTO|r, STEP|INCR, s, DWELL, t, MMPM, f, ...
//   CYCLE/OFF    CYCLE/ON (the last cycle again)
// type: DRILL, DEEP (pecks of STEP), BRKCHP (chip-breaking pecks), TAP, BORE or REAM. All
// distances are along the tool axis from the point of each following GOTO, the top of the
// hole: the depth to feed to (FEDTO gives it negative, below the point), the clearance the
// tool rapids to (RAPTO, CLEAR). Between holes the tool returns to the clearance, unless
// RETRCT names a height above the point to return to, RTRCTO,AUTO the height it came from,
// or RTRCTO a distance, which then is the clearance. A feed without a unit word (FEDRAT) is
// in CL units per minute; without any, the last FEDRAT holds.

#include "cl_reader/record.h"
#include "cl_reader/units.h"

#include <optional>

namespace cl {

enum class CycleType { drill, deep, chip_break, tap, bore, ream };

enum class CycleReturn {
    to_clearance, // between holes to the clearance
    to_height,    // to the retract height (RETRCT)
    to_start,     // to the height the tool came from (RTRCTO, AUTO)
};

struct DrillingCycle {
    CycleType type = CycleType::drill;
    double depth = 0, clearance = 0; // CL units
    CycleReturn return_to = CycleReturn::to_clearance;
    double retract = 0;         // to_height: the height above the point, CL units
    std::optional<double> step; // the peck of DEEP and BRKCHP, CL units
    std::optional<double> dwell;
    std::optional<Feed> feed;
};

struct CycleCommand {
    enum class Kind { start, off, on };
    Kind kind = Kind::start;
    DrillingCycle cycle; // start
};

// Throws cl::Error for a missing, contradicting or unknown value.
CycleCommand read_cycle(const Record& record);

} // namespace cl
