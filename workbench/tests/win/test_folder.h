#pragma once
// A folder of its own for one test, on drive C: (where the workbench looks for
// \trelvo\bin), removed with everything in it at the end.

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace workbench::testing {

inline void write_file(const std::filesystem::path& path, std::string_view bytes,
                       DWORD attributes = 0) {
    std::ofstream(path, std::ios::binary) << bytes;
    if (attributes) SetFileAttributesW(path.c_str(), attributes);
}

struct TestFolder {
    TestFolder() { std::filesystem::create_directories(path); }
    ~TestFolder() {
        std::error_code ignored; // read-only files would refuse to go
        for (const auto& entry : std::filesystem::recursive_directory_iterator(path, ignored))
            SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
        std::filesystem::remove_all(path, ignored);
    }
    std::wstring operator/(const std::wstring& name) const { return path + L"\\" + name; }
    std::wstring folder(const std::wstring& name) const {
        std::filesystem::create_directories(*this / name);
        return *this / name;
    }

    inline static int count = 0;
    const std::wstring path = L"C:\\plexo-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                              std::to_wstring(++count);
};

} // namespace workbench::testing
