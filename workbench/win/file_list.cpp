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
    // The file the user highlighted stays highlighted while it is there, in another folder
    // too: it is the name the commands go on using. The scroll position stays with the
    // folder: read again, the file at the top stays there; another folder starts at its top.
    ListPlace kept = kept_place(filled_, place(), shown_);
    if (folder_ != filled_folder_) kept.top = 0;
    replace_items(shown_);
    show_place(kept.highlighted, kept.top);
    filled_ = shown_;
    filled_folder_ = folder_;
}

} // namespace workbench::win
