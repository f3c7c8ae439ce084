#include "win/file_list.h"

#include "core/case_fold.h"
#include "core/wildcard.h"
#include "win/folder_contents.h"
#include "win/system_upper.h"

#include <desktop/win32.h>

#include <algorithm>

namespace workbench::win {

DWORD FileList::show_folder(const std::wstring& folder) {
    auto contents = read_folder(folder);
    if (contents.error) return contents.error;
    show_files(folder, std::move(contents.files));
    return 0;
}

void FileList::show_files(const std::wstring& folder, std::vector<std::wstring> files) {
    folder_ = folder;
    const WildcardPattern pattern(pattern_, system_upper);
    std::erase_if(files, [&](const std::wstring& name) { return !pattern.matches(name); });
    sort_names(files, system_upper);
    shown_ = std::move(files);
    if (!held_) fill();
}

void FileList::hold(bool held) {
    held_ = held;
    if (!held_) fill();
}

void FileList::fill() {
    // A list box that sorts, or one that redraws or grows its storage item by item, takes
    // quadratic time on large folders: the names come sorted and go in with both off.
    std::size_t characters = 0;
    for (const auto& name : shown_)
        characters += name.size() + 1;
    // Read again, the list keeps the file the user highlighted when it is still there.
    const auto highlighted = desktop::selected_item_text(list_);
    SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list_, LB_RESETCONTENT, 0, 0);
    SendMessageW(list_, LB_INITSTORAGE, shown_.size(), characters * sizeof(wchar_t));
    for (const auto& name : shown_)
        SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    if (highlighted)
        SendMessageW(list_, LB_SETCURSEL,
                     SendMessageW(list_, LB_FINDSTRINGEXACT, -1,
                                  reinterpret_cast<LPARAM>(highlighted->c_str())),
                     0);
    SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_, nullptr, TRUE);
}

std::wstring FileList::item(int index) const {
    return desktop::list_item_text(list_, index);
}

} // namespace workbench::win
