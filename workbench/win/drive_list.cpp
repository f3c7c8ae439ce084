#include "win/drive_list.h"

#include "core/folder_path.h"
#include "win/bounded_call.h"

#include <desktop/win32.h>

namespace workbench::win {
namespace {

using namespace std::chrono_literals;

std::wstring root_of(wchar_t letter) {
    return {letter, L':', L'\\'};
}

std::wstring volume_label(const std::wstring& root) {
    wchar_t label[MAX_PATH + 1]{};
    if (!GetVolumeInformationW(root.c_str(), label, MAX_PATH + 1, nullptr, nullptr, nullptr,
                               nullptr, 0))
        return {};
    return label;
}

// The label of a drive. Removable and optical drives are not asked, so that a drive
// without its medium neither stalls the list nor asks for a disk; a network drive that is
// gone would keep the window waiting for the network's time-out, so it is asked briefly.
std::wstring label_of(wchar_t letter) {
    const std::wstring root = root_of(letter);
    switch (GetDriveTypeW(root.c_str())) {
    case DRIVE_REMOVABLE:
    case DRIVE_CDROM:
        return {};
    case DRIVE_REMOTE:
        return answer_within(200ms, [root] { return volume_label(root); }).value_or(L"");
    default:
        return volume_label(root);
    }
}

// Drive items match by their letter (their labels may have changed), a share by its text.
bool same_root(const std::wstring& item, const std::wstring& root) {
    const auto letter = drive_letter_of(item);
    return letter ? letter == drive_letter_of(root) : item == root;
}

} // namespace

bool drive_answers(wchar_t letter) {
    const std::wstring root = root_of(letter);
    if (GetDriveTypeW(root.c_str()) != DRIVE_REMOTE) return true;
    return answer_within(1500ms, [root] { return GetFileAttributesW(root.c_str()); }).has_value();
}

std::vector<std::wstring> drive_items() {
    std::vector<std::wstring> items;
    const DWORD drives = GetLogicalDrives();
    for (int bit = 0; bit < 26; ++bit) {
        if (!(drives & (1u << bit))) continue;
        const auto letter = static_cast<wchar_t>(L'A' + bit);
        items.push_back(drive_item_text(letter, label_of(letter)));
    }
    return items;
}

void DriveList::refill(const std::vector<std::wstring>& drives) {
    const std::wstring keep = shown_text();
    SendMessageW(combo_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(combo_, CB_RESETCONTENT, 0, 0);
    for (const std::wstring& text : drives)
        SendMessageW(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    if (!share_.empty())
        SendMessageW(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(share_.c_str()));
    SendMessageW(combo_, WM_SETREDRAW, TRUE, 0);
    if (!keep.empty()) show_item(keep);
    InvalidateRect(combo_, nullptr, TRUE);
}

bool DriveList::show_root_of(const std::wstring& folder) {
    const std::wstring share = share_item_text(folder).value_or(L"");
    if (share != share_) {
        share_ = share;
        refill();
    }
    return show_item(share.empty() ? folder : share);
}

bool DriveList::show_item(const std::wstring& root) {
    const auto count = SendMessageW(combo_, CB_GETCOUNT, 0, 0);
    for (int index = 0; index < count; ++index) {
        if (same_root(desktop::combo_item_text(combo_, index), root)) {
            SendMessageW(combo_, CB_SETCURSEL, index, 0);
            return true;
        }
    }
    return false;
}

std::wstring DriveList::shown_text() const {
    const auto index = SendMessageW(combo_, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) return {};
    return desktop::combo_item_text(combo_, static_cast<int>(index));
}

std::optional<wchar_t> DriveList::shown() const {
    return drive_letter_of(shown_text());
}

} // namespace workbench::win
