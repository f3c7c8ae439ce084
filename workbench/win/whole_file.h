#pragma once
// A small file's whole content, read at once and replaced at once (Plexo.cfg).

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace workbench::win {

// The whole content of a file; nothing when it cannot be opened or read.
std::optional<std::string> read_whole_file(const std::wstring& path);

// Replaces the file's content with `bytes` so that it never holds anything but the old or
// the new content: the bytes go to a new file in the same folder, which then takes the
// old one's place. The system's error code on failure (0 on success); the old file is
// then left as it was.
DWORD replace_file_content(const std::wstring& path, std::string_view bytes);

} // namespace workbench::win
