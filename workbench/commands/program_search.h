#pragma once
// Where a program named without a folder (the batch files user1.bat to user3.bat and
// instpp.bat) is looked for: where the system looks when it starts a program by its bare
// name. Each folder is taken whole and the name joined to it, so that a folder whose name
// holds a ";" (C:\Tools\1;x) is never read as two, as the system's own search path, a
// ";"-separated list, reads it.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace workbench {

struct SearchFolders {
    std::wstring program_folder;                // the running program's own; empty if unknown
    std::optional<std::wstring> current_folder; // none when the system leaves it out
    std::wstring system_folder;                 // C:\Windows\system32
    std::wstring windows_folder;                // C:\Windows, whose "System" comes first
    std::wstring path_variable;                 // PATH as it stands
};

// The paths to try, in the system's order: the program's folder, the current folder, the
// system folder, the 16-bit system folder (the Windows folder's "System"), the Windows
// folder, then each folder of PATH.
std::vector<std::wstring> program_candidates(std::wstring_view name, const SearchFolders& folders);

// The folders of a PATH-like list, as the command interpreter reads it: entries separated by
// ";", a part in double quotes taken as it stands (";" included) and its quotes dropped, empty
// entries left out.
std::vector<std::wstring> path_list_folders(std::wstring_view list);

} // namespace workbench
