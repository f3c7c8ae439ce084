#pragma once
// What the panes' list boxes share: the list box itself, whose items are always replaced as
// a whole.

#include <windows.h>

#include <string>
#include <vector>

namespace workbench::win {

class ListBox {
public:
    explicit ListBox(HWND list) : list_(list) {}

    HWND handle() const { return list_; }

protected:
    // Shows `items` in this order in place of the list's items, with none highlighted.
    void replace_items(const std::vector<std::wstring>& items);

    HWND list_;
};

} // namespace workbench::win
