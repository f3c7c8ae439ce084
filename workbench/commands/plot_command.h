#pragma once
// The CL file list's "Plot": the picture of the chosen file in Backplot, which lies beside the
// workbench's own program.

#include "commands/command_line.h"

#include <string_view>

namespace workbench {

inline constexpr std::wstring_view plotter_name = L"Backplot.exe";

// Backplot.exe in the workbench's folder with the file's full path in double quotes, so that
// a path with blanks reaches it whole: C:\Plexo\Backplot.exe "D:\JOBS\P 100\PART1.NC1".
CommandLine plot_command(std::wstring_view workbench_folder, std::wstring_view file_path);

} // namespace workbench
