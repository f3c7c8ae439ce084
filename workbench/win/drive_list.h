#pragma once
// A drive list: a drop-down list of the system's drives, each shown as "c: [label]", and
// the network share of the open folder when it lies on one, as "\\server\share".

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace workbench::win {

// The system's drives now, as a drive list shows them. Never waits on a network: a network
// drive's label is asked for only so long.
std::vector<std::wstring> drive_items();

class DriveList {
public:
    explicit DriveList(HWND combo) : combo_(combo) {}

    // Lists the drives (those the system has now, unless given), keeping the entry shown.
    void refill(const std::vector<std::wstring>& drives = drive_items());
    // Shows the drive or network share that `folder` lies on without moving anything else;
    // false when the system has no such drive.
    bool show_root_of(const std::wstring& folder);
    // The drive shown (upper-case letter); nothing for a network share.
    std::optional<wchar_t> shown() const;

private:
    std::wstring shown_text() const;
    bool show_item(const std::wstring& root);

    HWND combo_;
    std::wstring share_; // the share entry, when the open folder lies on one
};

// Whether a drive answers within a second and a half; only a network drive can keep the
// window waiting that long, so no other is asked.
bool drive_answers(wchar_t letter);

} // namespace workbench::win
