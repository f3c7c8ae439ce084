#include "win/drive_list.h"

#include "core/folder_path.h"

#include <desktop/win32.h>

#include <string>

namespace workbench::win {
namespace {

// The label of a fixed drive; removable and optical drives are not asked, so that a drive
// without its medium neither stalls the list nor asks for a disk.
std::wstring label_of(wchar_t letter) {
    const wchar_t root[] = {letter, L':', L'\\', 0};
    const UINT type = GetDriveTypeW(root);
    if (type == DRIVE_REMOVABLE || type == DRIVE_CDROM) return {};
    wchar_t label[MAX_PATH + 1]{};
    if (!GetVolumeInformationW(root, label, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0))
        return {};
    return label;
}

} // namespace

void DriveList::refill() {
    const auto keep = shown();
    SendMessageW(combo_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(combo_, CB_RESETCONTENT, 0, 0);
    const DWORD drives = GetLogicalDrives();
    for (int bit = 0; bit < 26; ++bit) {
        if (!(drives & (1u << bit))) continue;
        const auto letter = static_cast<wchar_t>(L'A' + bit);
        const std::wstring text = drive_item_text(letter, label_of(letter));
        SendMessageW(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    SendMessageW(combo_, WM_SETREDRAW, TRUE, 0);
    if (keep) show(*keep);
    InvalidateRect(combo_, nullptr, TRUE);
}

bool DriveList::show(wchar_t letter) {
    const auto count = SendMessageW(combo_, CB_GETCOUNT, 0, 0);
    for (int index = 0; index < count; ++index) {
        if (drive_letter_of(desktop::combo_item_text(combo_, index)) == letter) {
            SendMessageW(combo_, CB_SETCURSEL, index, 0);
            return true;
        }
    }
    return false;
}

std::optional<wchar_t> DriveList::shown() const {
    const auto index = SendMessageW(combo_, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) return std::nullopt;
    return drive_letter_of(desktop::combo_item_text(combo_, static_cast<int>(index)));
}

} // namespace workbench::win
