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

} // namespace backplot::win
