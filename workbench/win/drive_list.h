#pragma once
// A drive list: a drop-down list of the system's drives, each shown as "c: [label]".

#include <windows.h>

#include <optional>

namespace workbench::win {

class DriveList {
public:
    explicit DriveList(HWND combo) : combo_(combo) {}

    // Lists the drives the system has now, keeping the drive shown.
    void refill();
    // Shows the drive without moving anything else; false when the system has no such drive.
    bool show(wchar_t letter);
    // The drive shown (upper-case letter), if any.
    std::optional<wchar_t> shown() const;

private:
    HWND combo_;
};

} // namespace workbench::win
