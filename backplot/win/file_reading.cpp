#include "win/file_reading.h"

#include <desktop/win32.h>

#include <windows.h>

#include <limits>

namespace backplot::win {

FileRead read_file(const std::wstring& path) {
    // Shared for writing and deleting: a post-processor may write the file while it is read.
    const desktop::UniqueHandle file = desktop::own(CreateFileW(
        path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file) return {std::nullopt, desktop::system_message(GetLastError())};
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size))
        return {std::nullopt, desktop::system_message(GetLastError())};
    if (static_cast<unsigned long long>(size.QuadPart) >
        std::numeric_limits<std::size_t>::max() / 2)
        return {std::nullopt, L"The file is too large."};
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD wanted =
            static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        DWORD got = 0;
        if (!ReadFile(file.get(), bytes.data() + done, wanted, &got, nullptr))
            return {std::nullopt, desktop::system_message(GetLastError())};
        if (got == 0) break; // shorter than it was: it is being written
        done += got;
    }
    bytes.resize(done);
    return {std::move(bytes), {}};
}

FileStamp stamp_of(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return {};
    return {true, (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow,
            (std::uint64_t{data.ftLastWriteTime.dwHighDateTime} << 32) |
                data.ftLastWriteTime.dwLowDateTime};
}

std::wstring full_path(const std::wstring& path) {
    const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (size == 0) return path;
    std::wstring full(size, L'\0');
    const DWORD length = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
    if (length == 0 || length >= size) return path;
    full.resize(length);
    return full;
}

} // namespace backplot::win
