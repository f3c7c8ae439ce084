#include "win/folder_contents.h"

#include <desktop/win32.h>

namespace workbench::win {
namespace {

bool is_dot_entry(const wchar_t* name) {
    return name[0] == L'.' && (name[1] == 0 || (name[1] == L'.' && name[2] == 0));
}

} // namespace

FolderContents read_folder(const std::wstring& folder) {
    FolderContents contents;
    if (folder.empty()) {
        contents.error = ERROR_PATH_NOT_FOUND;
        return contents;
    }
    std::wstring pattern = folder;
    if (pattern.back() != L'\\') pattern += L'\\';
    pattern += L'*';
    WIN32_FIND_DATAW found;
    const auto find = desktop::own<desktop::FindHandle>(
        FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr,
                         FIND_FIRST_EX_LARGE_FETCH));
    if (!find) {
        // An empty drive root has not even "." and "..": empty, not unreadable.
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_NOT_FOUND) contents.error = error;
        return contents;
    }
    do {
        if (found.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (!is_dot_entry(found.cFileName)) contents.subfolders.emplace_back(found.cFileName);
        } else {
            contents.files.emplace_back(found.cFileName);
        }
    } while (FindNextFileW(find.get(), &found));
    if (const DWORD error = GetLastError(); error != ERROR_NO_MORE_FILES) contents.error = error;
    return contents;
}

} // namespace workbench::win
