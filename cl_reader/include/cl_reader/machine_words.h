#pragma once
// The words that set up the machine rather than move it, as CAM systems write them:
//   LOADTL/n [, LENGTH, l] [, ADJUST, m] ...      LOAD/TOOL, n, ...      SELECT/TOOL, n
//   SPINDL/[RPM,] speed [, CLW|CCLW] [, RANGE, r]  SPINDL/ON   SPINDL/OFF
//   COOLNT/ON|FLOOD|MIST|THRU|OFF
//   FEDRAT/[MMPM|IPM|MMPR|IPR,] feed [, MMPM|IPM|MMPR|IPR]
// Each reader throws cl::Error for a value that would make the machine do something else
// than the CL file means; minor words that change nothing it makes are reported back, so
// that they can be passed by with a warning.

#include "cl_reader/record.h"
#include "cl_reader/units.h"

#include <optional>
#include <string>
#include <vector>

namespace cl {

struct ToolLoad {
    int tool = 0;                       // 1 to 9999
    std::optional<double> length;       // LENGTH: tip to spindle face, CL units
    std::optional<int> adjust;          // ADJUST (or OSETNO): the length offset register
    std::vector<std::string> passed_by; // other minor words, each with its values
};
// LOADTL, LOAD (whose first value is TOOL) or SELECT (likewise).
ToolLoad read_tool_load(const Record& record);

enum class Rotation { clockwise, counter_clockwise };

struct Spindle {
    bool off = false;                 // SPINDL/OFF
    std::optional<double> speed;      // rpm; SPINDL/ON restarts at the last speed
    std::optional<Rotation> rotation; // CLW or CCLW; else the last one
    std::optional<int> range;         // RANGE: gear range 1 to 4 (LOW 1, MEDIUM 2, HIGH 3)
};
Spindle read_spindle(const Record& record);

enum class Coolant { flood, mist, through_spindle, off };
// COOLNT/ON is flood. Nothing for a coolant word it does not know (the caller warns).
std::optional<Coolant> read_coolant(const Record& record);

Feed read_feed(const Record& record);

} // namespace cl
