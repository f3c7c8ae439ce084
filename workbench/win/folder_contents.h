#pragma once
// One reading of a folder, shared by a pane's folder list and file list.

#include <windows.h>

#include <string>
#include <vector>

namespace workbench::win {

// The visible entries of a folder: its files and its subfolders, unsorted; hidden and
// system entries are left out. `error` is the system's error code when the folder could
// not be read (0 when it was).
struct FolderContents {
    std::vector<std::wstring> files;
    std::vector<std::wstring> subfolders;
    DWORD error = 0;
};

FolderContents read_folder(const std::wstring& folder);

} // namespace workbench::win
