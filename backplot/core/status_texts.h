#pragma once
// The texts of the status bar's four parts, exactly as the window shows them.

#include "plot.h"

#include <optional>
#include <string>

namespace backplot {

// "X -30..60  Y -92.584..0  Z 222..360", then "A", "B" or "C min..max" for each rotary axis
// that moves: the programmed axes (a CL file's tip path), in the program's units, at most
// three decimals. "No moves" when there is no position at all.
std::string extents_text(const Plot& plot);

// "Feed 1234.5  Rapid 330  Time 0:04:16": the lengths of feed and rapid motion and the time,
// to the second.
std::string motion_text(const Plot& plot);

// "No warnings", "1 warning" or "N warnings".
std::string warnings_text(const Plot& plot);

// "Line N: " and the line's text (cut beyond max_line_text characters), for the chosen move;
// empty when none is chosen.
std::string chosen_move_text(const Plot& plot, std::optional<std::size_t> move);
constexpr std::size_t max_line_text = 200;

// Minutes as h:mm:ss, to the nearest second.
std::string time_text(double minutes);

} // namespace backplot
