// Option groups, one tab stop each, and the focus kept while the window is inactive.

#include "form_parts.h"

#include <map>

namespace desktop {

void Form::select_option(const Placed& chosen) {
    // Auto option buttons already do this within a contiguous group; doing it by container
    // keeps the rule true whatever the tab order.
    for (const Placed& other : controls_) {
        if (other.row->kind != Kind::option_button || other.row->container != chosen.row->container)
            continue;
        SendMessageW(other.handle, BM_SETCHECK, &other == &chosen ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    set_option_tab_stops();
}

void Form::set_option_tab_stops() {
    // As in a dialog box, a group of option buttons is one tab stop: its checked button, or
    // its first while none is checked (which Windows checks when Tab lands on it: see
    // option_clicked).
    std::map<std::wstring_view, const Placed*> stop_of_group;
    for (const Placed& option : controls_) {
        if (option.row->kind != Kind::option_button) continue;
        auto [stop, added] = stop_of_group.try_emplace(option.row->container, &option);
        if (SendMessageW(option.handle, BM_GETCHECK, 0, 0) == BST_CHECKED) stop->second = &option;
    }
    for (const Placed& option : controls_) {
        if (option.row->kind != Kind::option_button) continue;
        const LONG style = GetWindowLongW(option.handle, GWL_STYLE) & ~WS_TABSTOP;
        const bool is_stop = stop_of_group[option.row->container] == &option;
        SetWindowLongW(option.handle, GWL_STYLE, style | (is_stop ? WS_TABSTOP : 0));
    }
}

void Form::option_clicked(const Placed& option) {
    // Windows checks an automatic option button that the Tab key gives the focus to; only a
    // group with none checked is reached that way, and Tab must not choose for the user.
    // The button's own BM_SETCHECK moves WS_TABSTOP with the check, as Windows' does: checking
    // took the stop from the group's other buttons, unchecking takes it from this one. The
    // group's stop is put back, or Shift+Tab and the next Tab would pass the group by.
    if (GetKeyState(VK_TAB) < 0) {
        SendMessageW(option.handle, BM_SETCHECK, BST_UNCHECKED, 0);
        set_option_tab_stops();
        return;
    }
    select_option(option);
    run_command(GetDlgCtrlID(option.handle), BN_CLICKED);
}

void Form::remember_focus() {
    const HWND focus = GetFocus();
    if (focus && IsChild(window_, focus)) focus_ = focus;
}

void Form::restore_focus() {
    HWND target = focus_ && IsWindow(focus_) && IsWindowEnabled(focus_) ? focus_ : nullptr;
    if (!target) target = GetNextDlgTabItem(window_, nullptr, FALSE);
    if (target) SetFocus(target);
}

} // namespace desktop
