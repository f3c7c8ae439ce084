#pragma once
// A folder of its own for one test, on drive C: (where the workbench looks for
// \trelvo\bin), removed with everything in it at the end.

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace workbench::testing {

inline void write_file(const std::wstring& path, std::string_view bytes, DWORD attributes = 0) {
    std::ofstream(std::filesystem::path(path), std::ios::binary) << bytes;
    if (attributes) SetFileAttributesW(path.c_str(), attributes);
}

inline std::string read_file(const std::wstring& path) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    if (!in) return "<missing>";
    return {std::istreambuf_iterator<char>(in), {}};
}

class TestFolder {
public:
    TestFolder() { std::filesystem::create_directories(path_); }
    ~TestFolder() {
        std::error_code ignored; // read-only files would refuse to go
        for (const auto& entry : std::filesystem::recursive_directory_iterator(path_, ignored))
            SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
        std::filesystem::remove_all(path_, ignored);
    }
    const std::wstring& path() const { return path_; }
    std::wstring operator/(std::wstring_view name) const {
        return path_ + L"\\" + std::wstring(name);
    }
    std::wstring folder(std::wstring_view name) const {
        std::filesystem::create_directories(*this / name);
        return *this / name;
    }

private:
    inline static int count_ = 0;
    const std::wstring path_ = L"C:\\plexo-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                               std::to_wstring(++count_);
};

} // namespace workbench::testing
