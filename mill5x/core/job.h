#pragma once
// One post-processing run on files: reads the settings and the CL file, writes base.NC1,
// base.NCL and base.NCS next to the CL file. A run that stops or fails its check writes its
// NC program as base.NC1.FAILED and removes base.NC1, so that no batch file or operator
// sends a wrong or stale program to the machine; the listing and the status say why.

#include <filesystem>
#include <string>

namespace mill5x {

struct JobOutcome {
    bool ran = false;      // the CL file was post-processed (its own faults are in the status)
    bool complete = false; // ... to its end, and the NC program passed its check
    std::string failure;   // why it could not run or its outputs could not be written
};

JobOutcome run_job(const std::filesystem::path& cl_path, const std::filesystem::path& base_name,
                   const std::filesystem::path& settings_path);

} // namespace mill5x
