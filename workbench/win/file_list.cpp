#include "win/file_list.h"

#include "core/case_fold.h"
#include "core/wildcard.h"
#include "win/folder_contents.h"
#include "win/system_upper.h"

#include <desktop/win32.h>

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
    refill();
}

void FileList::fill() {
    // Read again, the list keeps the file the user highlighted when it is still there.
    const auto highlighted = desktop::selected_item_text(list_);
    replace_items(shown_);
    if (highlighted)
        SendMessageW(list_, LB_SETCURSEL,
                     SendMessageW(list_, LB_FINDSTRINGEXACT, -1,
                                  reinterpret_cast<LPARAM>(highlighted->c_str())),
                     0);
}

} // namespace workbench::win
