#pragma once
// Every command line that the workbench starts, built from the window's selections. The
// texts are the ones users, their batch files and their post-processors rely on.

#include "commands/cl_pieces.h"
#include "commands/command_line.h"
#include "core/case_fold.h"

#include <string_view>

namespace workbench {

// The post-processor folder's program PPName with the five CL pieces:
// C:\trelvo\bin\MILL5X D:\JOBS\P100\PART1.APT D \JOBS\P100 PART1 APT
CommandLine post_command(std::wstring_view pp_folder, std::wstring_view pp_name,
                         const ClPieces& cl);

// userN.bat with the post-processor folder, PPName and the five CL pieces (number 1 to 3):
// user1.bat C:\trelvo\bin MILL5X D:\JOBS\P100\PART1.APT D \JOBS\P100 PART1 APT
CommandLine user_command(int number, std::wstring_view pp_folder, std::wstring_view pp_name,
                         const ClPieces& cl);

// The editor on the CL path.
CommandLine edit_command(std::wstring_view cl_path);

// The reader on the user's guide; the same on every click.
CommandLine users_guide_command();

// instpp.bat with the post-processor folder and the name exactly as typed.
CommandLine install_command(std::wstring_view pp_folder, std::wstring_view typed_name);

// The chosen post-processor asked for the syntax of a major word, upper-cased by `upper`:
// C:\trelvo\bin\MILL5X ?GOTO
CommandLine syntax_help_command(std::wstring_view pp_folder, std::wstring_view pp_name,
                                std::wstring_view typed_word, UpperCase upper = ascii_upper);

} // namespace workbench
