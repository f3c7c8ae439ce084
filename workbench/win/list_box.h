#pragma once
// What the panes' list boxes share: the list box itself, whose items are always replaced as
// a whole, the user's place in it, and holding it while the window starts.

#include "core/list_place.h"

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace workbench::win {

class ListBox {
public:
    explicit ListBox(HWND list) : list_(list) {}
    virtual ~ListBox() = default;

    HWND handle() const { return list_; }

    // While held, the list box keeps what it shows and only what was shown last goes into it
    // when let go: a window that goes through several folders while it starts fills it once.
    void hold(bool held) {
        held_ = held;
        refill();
    }

protected:
    // Puts what the list shows now into the list box, unless it is held.
    void refill() {
        if (!held_) fill();
    }
    virtual void fill() = 0;
    // Shows `items` in this order in place of the list's items, with none highlighted.
    void replace_items(const std::vector<std::wstring>& items);
    // The highlighted item and the item at the top now.
    ListPlace place() const;
    // Highlights that item (or none) and, when given, scrolls the list to put that item at its
    // top, as far as the list scrolls.
    void show_place(std::optional<std::size_t> highlighted, std::optional<std::size_t> top);

    HWND list_;

private:
    bool held_ = false;
};

} // namespace workbench::win
