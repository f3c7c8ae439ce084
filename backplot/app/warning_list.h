#pragma once
// The warnings of a file as the list of them shows them: "Line 12: ..." each, in the order of
// their lines, and a last line for those beyond what the plot keeps.

#include "plot.h"

#include <string>
#include <vector>

namespace backplot {

std::vector<std::string> warning_list(const Plot& plot);

} // namespace backplot
