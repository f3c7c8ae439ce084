#pragma once
// A file list: the files of one folder that match its pattern, sorted without regard to
// letter case, one item per file name.

#include "win/list_box.h"

#include <string>
#include <vector>

namespace workbench::win {

class FileList : public ListBox {
public:
    using ListBox::ListBox;

    const std::wstring& folder() const { return folder_; }
    void set_pattern(std::wstring pattern) { pattern_ = std::move(pattern); }

    // Reads `folder` and shows its matching files; the system's error code when it could
    // not be read, and the list then stays as it was.
    DWORD show_folder(const std::wstring& folder);
    // Shows the matching ones of `files`, the files of `folder` read already.
    void show_files(const std::wstring& folder, std::vector<std::wstring> files);
    DWORD reread() { return show_folder(folder_); }

private:
    void fill() override;

    std::vector<std::wstring> shown_; // the matching files, sorted
    std::wstring folder_;
    std::vector<std::wstring> filled_; // what the list box holds, from which folder
    std::wstring filled_folder_;
    std::wstring pattern_ = L"*.*";
};

} // namespace workbench::win
