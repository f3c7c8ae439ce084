#pragma once
// A folder of its own for one test, on drive C: (where the workbench looks for
// \trelvo\bin), removed with everything in it at the end.

#include <windows.h>

#include <string>
#include <string_view>

namespace workbench::testing {

inline void write_file(const std::wstring& path, std::string_view bytes, DWORD attributes = 0) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    if (attributes) SetFileAttributesW(path.c_str(), attributes);
}

inline std::string read_file(const std::wstring& path) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<missing>";
    std::string bytes(1 << 16, '\0');
    DWORD read = 0;
    ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    bytes.resize(read);
    return bytes;
}

inline bool exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

inline void remove_tree(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    const HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring path = folder + L"\\" + name;
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                remove_tree(path);
            else
                DeleteFileW(path.c_str());
        } while (FindNextFileW(find, &found));
        FindClose(find);
    }
    RemoveDirectoryW(folder.c_str());
}

class TestFolder {
public:
    TestFolder() {
        static int count = 0;
        path_ = L"C:\\plexo-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                std::to_wstring(++count);
        remove_tree(path_);
        CreateDirectoryW(path_.c_str(), nullptr);
    }
    ~TestFolder() { remove_tree(path_); }
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::wstring& path() const { return path_; }
    std::wstring operator/(std::wstring_view name) const {
        return path_ + L"\\" + std::wstring(name);
    }
    std::wstring folder(std::wstring_view name) const {
        const std::wstring path = *this / name;
        CreateDirectoryW(path.c_str(), nullptr);
        return path;
    }

private:
    std::wstring path_;
};

} // namespace workbench::testing
