#pragma once
// What the panes and the configuration file need of the Windows file system.

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
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

// The full path of `path` as the system resolves it ("\" is the current drive's root,
// "D:" that drive's current folder); empty when it cannot.
std::wstring full_path(const std::wstring& path);

// The folder that holds the running program.
std::wstring program_folder();

// Windows' own upper-casing of file-name characters (a table made once).
wchar_t system_upper(wchar_t c);

// 8-bit text in the system's ANSI code page.
std::wstring ansi_to_wide(std::string_view bytes);

// The whole content of a file; nothing when it cannot be opened or read.
std::optional<std::string> read_whole_file(const std::wstring& path);

// Replaces the file's content with `bytes` so that it never holds anything but the old or
// the new content: the bytes go to a new file in the same folder, which then takes the
// old one's place. The system's error code on failure (0 on success); the old file is
// then left as it was.
DWORD replace_file_content(const std::wstring& path, std::string_view bytes);

} // namespace workbench::win
