#pragma once
// When the open file is to be read again: it has changed on disk since it was read, and has
// stayed as it is for one look, so that a program still writing it (a post-processor writes
// a large NC program over a second or more) is not read half-way.

#include <cstdint>

namespace backplot {

// What is known of a file without reading it.
struct FileStamp {
    bool exists = false;
    std::uint64_t size = 0;
    std::uint64_t written = 0; // the time it was last written, in the system's units
    bool operator==(const FileStamp&) const = default;
};

class FileChange {
public:
    // The file was read when it looked like this (taken just before the reading).
    void read(const FileStamp& stamp) { read_ = seen_ = stamp; }
    // A look at the file now: true when it is to be read again. A file that is gone is waited
    // for; the picture of what was read stays.
    bool look(const FileStamp& now);

private:
    FileStamp read_, seen_;
};

} // namespace backplot
