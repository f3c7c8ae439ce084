#pragma once
// The status file of one run (base.NCS): the outcome first, then the counts, the check, the
// tools, the time and the extents, then every warning and error with its CL line.

#include "post_result.h"

#include "machine/settings.h"

#include <string>
#include <string_view>

namespace mill5x {

struct StatusNames {
    std::string_view cl_path;
    std::string_view nc_program; // where the NC program was put
    std::string_view settings;
};

std::string status_report(const PostResult& result, const machine::Settings& settings,
                          const StatusNames& names);

// The status of a run that could not start (no settings, no CL file): the reason alone.
std::string failure_report(std::string_view cl_name, std::string_view reason);

} // namespace mill5x
