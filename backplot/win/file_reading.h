#pragma once
// A file read whole, in one go, without keeping others from writing it meanwhile; and what is
// known of it without reading it.

#include "app/file_change.h"

#include <optional>
#include <string>

namespace backplot::win {

struct FileRead {
    std::optional<std::string> bytes; // the whole file, when it could be read
    std::wstring failure;             // else the system's reason
};

FileRead read_file(const std::wstring& path);

FileStamp stamp_of(const std::wstring& path);

// The path made whole against the current folder as it is now; as it is when the system
// cannot resolve it. A path kept for later must be whole: the open dialogs change the current
// folder.
std::wstring full_path(const std::wstring& path);

} // namespace backplot::win
