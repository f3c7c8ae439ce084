#include "win/whole_file.h"

#include <desktop/win32.h>

namespace workbench::win {
namespace {

std::wstring folder_of(const std::wstring& path) {
    const auto slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring(L".") : path.substr(0, slash + 1);
}

// Writes `bytes` to a new file at `path`; the system's error code on failure.
DWORD write_new_file(const wchar_t* path, std::string_view bytes) {
    const auto file = desktop::own(CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                               FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return GetLastError();
    DWORD written = 0;
    if (!WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size() || !FlushFileBuffers(file.get()))
        return GetLastError() ? GetLastError() : ERROR_WRITE_FAULT;
    return 0;
}

} // namespace

std::optional<std::string> read_whole_file(const std::wstring& path) {
    const auto file =
        desktop::own(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                 nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return std::nullopt;
    LARGE_INTEGER size;
    // A configuration file is a few hundred bytes; anything huge is not one.
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > (1 << 24)) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!bytes.empty() &&
        !ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr))
        return std::nullopt;
    bytes.resize(read);
    return bytes;
}

DWORD replace_file_content(const std::wstring& path, std::string_view bytes) {
    wchar_t temporary[MAX_PATH + 1];
    if (!GetTempFileNameW(folder_of(path).c_str(), L"cfg", 0, temporary)) return GetLastError();
    DWORD error = write_new_file(temporary, bytes);
    if (!error && GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) {
        // ReplaceFileW keeps the old file's attributes and security; a read-only file
        // refuses, as the user asked for.
        if (!ReplaceFileW(path.c_str(), temporary, nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                          nullptr, nullptr)) {
            error = GetLastError();
            // Without a backup name this error means the old file is already gone: the new
            // content must still take its place.
            if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT &&
                GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES &&
                MoveFileExW(temporary, path.c_str(),
                            MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
                error = 0;
        }
    } else if (!error && !MoveFileExW(temporary, path.c_str(),
                                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        error = GetLastError();
    }
    if (error) DeleteFileW(temporary);
    return error;
}

} // namespace workbench::win
