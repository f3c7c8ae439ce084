#pragma once
// The status file of one run (base.NCS): the outcome first, then the counts, then every
// warning and error with its CL line.

#include "postprocessor.h"

#include <string>
#include <string_view>

namespace mill5x {

std::string status_report(const PostResult& result, std::string_view cl_name,
                          std::string_view nc_name);

// The status of a run that could not start (no settings, no CL file): the reason alone.
std::string failure_report(std::string_view cl_name, std::string_view reason);

} // namespace mill5x
