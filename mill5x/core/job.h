#pragma once
// One post-processing run on files: reads the settings and the CL file, writes base.NC1,
// base.NCL and base.NCS next to the CL file.

#include <filesystem>
#include <string>

namespace mill5x {

struct JobOutcome {
    bool ran = false;    // the CL file was post-processed (its own faults are in the status)
    std::string failure; // why it could not run or its outputs could not be written
};

JobOutcome run_job(const std::filesystem::path& cl_path, const std::filesystem::path& base_name,
                   const std::filesystem::path& settings_path);

} // namespace mill5x
