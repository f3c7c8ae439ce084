#pragma once
// The pieces of the chosen CL file that the post-processing and user process command lines
// hand over, derived anew at each command from the CL folder and CLFile.

#include <string>
#include <string_view>

namespace workbench {

struct ClPieces {
    std::wstring cl_path;      // CL folder, "\", CLFile, joined as they stand (C:\\PART1.APT)
    std::wstring drive_letter; // first character of the CL folder
    std::wstring folder_part;  // the CL folder from its third character on (\JOBS\P100)
    std::wstring base_name;    // CLFile before its last ".", empty without one
    std::wstring extension;    // CLFile after its last "."; all of CLFile without one
};

ClPieces cl_pieces(std::wstring_view cl_folder, std::wstring_view cl_file);

// The folder, "\" and the name, joined as they stand: a CL path, a post-processor program.
std::wstring joined_path(std::wstring_view folder, std::wstring_view name);

// The name in the folder with one "\" between them however the folder ends (C:\ and
// PART1.NCS give C:\PART1.NCS): a path the workbench finds or shows, not one it hands over.
std::wstring file_in_folder(std::wstring_view folder, std::wstring_view name);

} // namespace workbench
