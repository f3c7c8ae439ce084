#pragma once
// A folder list: the path from the drive root down to the open folder, each level one step
// further in with an open-folder glyph, then the open folder's subfolders one more step in
// with a closed-folder glyph. The items' texts are the folders' own names; the list is
// owner-drawn only for the indents and glyphs.

#include "win/list_box.h"

#include <string>
#include <vector>

namespace workbench::win {

class FolderList : public ListBox {
public:
    using ListBox::ListBox;

    const std::wstring& path() const { return path_; }

    // Shows `path` as the open folder with these subfolders (sorted already).
    void show(const std::wstring& path, const std::vector<std::wstring>& subfolders);
    // Highlights the open folder's item again.
    void select_open_folder();
    // The folder that opening item `index` goes to; empty for no item.
    std::wstring folder_of_item(int index) const;

    void measure(MEASUREITEMSTRUCT& item, int dpi) const;
    void draw(const DRAWITEMSTRUCT& item, int dpi) const;

private:
    void fill() override;

    std::wstring path_;
    std::vector<std::wstring> levels_;
    std::vector<std::wstring> subfolders_;
    std::wstring filled_path_;                 // the open folder the list box shows
    std::vector<std::wstring> filled_folders_; // the folder each of its items opens
};

} // namespace workbench::win
