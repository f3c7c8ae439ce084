#include "win/file_system.h"

#include <array>
#include <memory>

namespace workbench::win {
namespace {

struct FindHandle {
    HANDLE handle;
    ~FindHandle() {
        if (handle != INVALID_HANDLE_VALUE) FindClose(handle);
    }
};

struct FileHandle {
    HANDLE handle;
    ~FileHandle() {
        if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
    }
};

bool is_dot_entry(const wchar_t* name) {
    return name[0] == L'.' && (name[1] == 0 || (name[1] == L'.' && name[2] == 0));
}

std::wstring folder_of(const std::wstring& path) {
    const auto slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring(L".") : path.substr(0, slash + 1);
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
    FindHandle find{FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found,
                                     FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH)};
    if (find.handle == INVALID_HANDLE_VALUE) {
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
    } while (FindNextFileW(find.handle, &found));
    if (const DWORD error = GetLastError(); error != ERROR_NO_MORE_FILES) contents.error = error;
    return contents;
}

std::wstring full_path(const std::wstring& path) {
    if (path.empty()) return {};
    std::wstring full(MAX_PATH, L'\0');
    DWORD length =
        GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length >= full.size()) {
        full.resize(length);
        length =
            GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    }
    full.resize(length < full.size() ? length : 0);
    return full;
}

std::wstring program_folder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const auto slash = path.find_last_of(L'\\');
    return slash == std::wstring::npos ? path : path.substr(0, slash);
}

wchar_t system_upper(wchar_t c) {
    static const auto table = [] {
        auto upper = std::make_unique<std::array<wchar_t, 0x10000>>();
        for (std::size_t i = 0; i < upper->size(); ++i)
            (*upper)[i] = static_cast<wchar_t>(i);
        // Surrogates are no characters of their own and stay as they are.
        for (const auto& [first, last] : {std::pair{0x0001, 0xD7FF}, std::pair{0xE000, 0xFFFF}}) {
            const int count = last - first + 1;
            std::wstring mapped(count, L'\0');
            if (LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, upper->data() + first, count,
                              mapped.data(), count, nullptr, nullptr, 0) == count)
                std::copy(mapped.begin(), mapped.end(), upper->begin() + first);
        }
        return upper;
    }();
    return (*table)[static_cast<std::size_t>(c)];
}

std::wstring ansi_to_wide(std::string_view bytes) {
    if (bytes.empty()) return {};
    const int size = static_cast<int>(bytes.size());
    std::wstring text(MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, text.data(), static_cast<int>(text.size()));
    return text;
}

std::optional<std::string> read_whole_file(const std::wstring& path) {
    FileHandle file{CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (file.handle == INVALID_HANDLE_VALUE) return std::nullopt;
    LARGE_INTEGER size;
    // A configuration file is a few hundred bytes; anything huge is not one.
    if (!GetFileSizeEx(file.handle, &size) || size.QuadPart > (1 << 24)) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!bytes.empty() &&
        !ReadFile(file.handle, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr))
        return std::nullopt;
    bytes.resize(read);
    return bytes;
}

DWORD replace_file_content(const std::wstring& path, std::string_view bytes) {
    wchar_t temporary[MAX_PATH + 1];
    if (!GetTempFileNameW(folder_of(path).c_str(), L"cfg", 0, temporary)) return GetLastError();
    DWORD error = 0;
    {
        FileHandle file{CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr)};
        DWORD written = 0;
        if (file.handle == INVALID_HANDLE_VALUE)
            error = GetLastError();
        else if (!WriteFile(file.handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                            nullptr) ||
                 written != bytes.size() || !FlushFileBuffers(file.handle))
            error = GetLastError() ? GetLastError() : ERROR_WRITE_FAULT;
    }
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
