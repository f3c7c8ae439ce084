#pragma once
// The parts of a run's report that the status and the listing both show: the check, the
// tool list, the time and the extents of the axes beside the machine's limits.

#include "post_result.h"

#include "machine/settings.h"

#include <string>

namespace mill5x {

// "Check: N positions, worst tip deviation ..." and the line on the feed; each line ends
// with CR LF.
std::string check_report(const PostResult& result, const machine::Settings& settings);
std::string tool_list(const PostResult& result);
std::string time_report(const PostResult& result);
std::string extents_report(const PostResult& result, const machine::Settings& settings);

} // namespace mill5x
