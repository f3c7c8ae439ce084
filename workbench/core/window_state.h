#pragma once
// What the workbench window remembers for the whole run and every command reads.

#include <string>

namespace workbench {

struct WindowState {
    std::wstring cl_file;  // CLFile: the CL file last clicked in FilAPT, name only
    std::wstring pp_name;  // PPName: the post-processor last clicked, up to its first "."
    std::wstring cfg_mode; // CfgMode: the mode word of Plexo.cfg
    short answer = 0;      // Answer: button code of the last OK/Cancel message box
    std::wstring task_id;  // TaskId: task id of the last program started, decimal digits
};

} // namespace workbench
