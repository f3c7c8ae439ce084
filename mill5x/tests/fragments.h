#pragma once
// CL fragments and the blocks they must give: each follows FEDRAT/100 and FROM/10,0,0
// (lines 1 and 2), which come down to X10 Y0 Z0 in blocks N20 to N40, so its own blocks begin
// at N50. A fragment that stops the run leaves the program ending with its last good block.

#include "postprocessor.h"
#include "status_report.h"

#include <gtest/gtest.h>

#include <span>
#include <string>

namespace mill5x::testing {

inline constexpr const char* after_the_start = "N40 Z0.\r\n";
inline constexpr const char* no_errors = "Errors:          0\r\n";

struct Fragment {
    std::string cl;
    std::string blocks;
    std::string status = no_errors; // a part of the status
    machine::Settings machine = {};
};

inline void expect_fragments(std::span<const Fragment> fragments) {
    for (const Fragment& f : fragments) {
        const std::string text = "FEDRAT/100\nFROM/10,0,0\n" + f.cl + "\n";
        const PostText result = post_process(text, f.machine, "T.APT");
        const std::string status =
            status_report(result, f.machine, {"T.APT", "T.NC1", "MILL5X.pptable"});
        EXPECT_NE(status.find(f.status), std::string::npos) << text << "gave\n" << status;
        EXPECT_TRUE(result.error ? result.nc_program.ends_with(f.blocks)
                                 : result.nc_program.find(f.blocks) != std::string::npos)
            << text << "gave\n"
            << result.nc_program;
    }
}

} // namespace mill5x::testing
