#include "win/list_box.h"

namespace workbench::win {

void ListBox::replace_items(const std::vector<std::wstring>& items) {
    // A list box that sorts, or one that redraws or grows its storage item by item, takes
    // quadratic time on large folders: the items come in order and go in with both off.
    std::size_t characters = 0;
    for (const auto& item : items)
        characters += item.size() + 1;
    SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list_, LB_RESETCONTENT, 0, 0);
    SendMessageW(list_, LB_INITSTORAGE, items.size(), characters * sizeof(wchar_t));
    for (const auto& item : items)
        SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_, nullptr, TRUE);
}

ListPlace ListBox::place() const {
    const LRESULT highlighted = SendMessageW(list_, LB_GETCURSEL, 0, 0);
    const LRESULT top = SendMessageW(list_, LB_GETTOPINDEX, 0, 0);
    return {highlighted == LB_ERR ? std::nullopt
                                  : std::optional(static_cast<std::size_t>(highlighted)),
            top == LB_ERR ? 0 : static_cast<std::size_t>(top)};
}

void ListBox::show_place(std::optional<std::size_t> highlighted, std::optional<std::size_t> top) {
    // The highlight first: it scrolls the highlighted item into view, which the top then
    // overrules.
    SendMessageW(list_, LB_SETCURSEL, highlighted ? static_cast<WPARAM>(*highlighted) : -1, 0);
    if (top) SendMessageW(list_, LB_SETTOPINDEX, *top, 0);
}

} // namespace workbench::win
