#pragma once
// MILL5X proper: turns the text of an APT CL file into the NC program, the listing and the
// counts of the status. The first fault in the CL input stops it: the NC program then ends
// with the last good block, and no program end is written.

#include "settings.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mill5x {

struct Problem {
    int line = 0; // the CL line, counted from 1
    std::string message;
};

struct PostResult {
    std::string nc_program; // lines end with CR LF
    std::string listing;    // lines end with CR LF
    std::vector<Problem> warnings;
    std::optional<Problem> error; // set: the NC program is incomplete
    int line_count = 0;
    int record_count = 0;
    int block_count = 0;
    int rapid_moves = 0;
    int feed_moves = 0;         // per minute (G94)
    int inverse_time_moves = 0; // G93
    double machining_minutes = 0;
};

// cl_name, the CL file's name, heads the NC program and the listing.
PostResult post_process(std::string_view cl_text, const MachineSettings& settings,
                        std::string_view cl_name);

} // namespace mill5x
