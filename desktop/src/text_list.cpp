// Text lists: virtual list views of one column whose items the program hands out as they
// show.

#include "form_parts.h"

#include <commctrl.h>

#include <algorithm>
#include <climits>
#include <stdexcept>

namespace desktop {

using namespace detail;

namespace {

void expect_text_list(Kind kind) {
    if (kind != Kind::text_list) throw std::logic_error("that control is not a text list");
}

} // namespace

void Form::set_items(std::wstring_view list, std::size_t count, ItemText text,
                     std::size_t longest) {
    const Placed& placed = find(list);
    expect_text_list(placed.row->kind);
    TextListState& state = lists_[GetDlgCtrlID(placed.handle)];
    state.text = std::move(text);
    state.count = std::min<std::size_t>(count, INT_MAX);
    state.longest = longest;
    // A virtual list keeps its items' states by index: a line chosen among the old items
    // would stay chosen among the new ones, which nothing chose. The program chooses again.
    LVITEMW none{};
    none.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(placed.handle, LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>(&none));
    // The place in the list stays: a file read again shows where the user was.
    SendMessageW(placed.handle, LVM_SETITEMCOUNT, state.count, LVSICF_NOSCROLL);
    InvalidateRect(placed.handle, nullptr, TRUE);
    fit_list_column(placed);
}

void Form::fit_list_column(const Placed& list) {
    RECT client;
    if (!list.handle || !GetClientRect(list.handle, &client)) return;
    int width = client.right;
    if (auto state = lists_.find(GetDlgCtrlID(list.handle));
        state != lists_.end() && state->second.text &&
        state->second.longest < state->second.count) {
        const std::wstring text = state->second.text(state->second.longest);
        const WindowDc dc(list.handle);
        const Selection font(dc,
                             reinterpret_cast<HFONT>(SendMessageW(list.handle, WM_GETFONT, 0, 0)));
        SIZE extent{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        // The list's own margins either side of an item's text.
        width = std::max<int>(width, extent.cx + scale_to_dpi(16, dpi_));
    }
    SendMessageW(list.handle, LVM_SETCOLUMNWIDTH, 0, MAKELPARAM(width, 0));
}

std::optional<std::size_t> Form::selected_item(std::wstring_view list) const {
    const Placed& placed = find(list);
    expect_text_list(placed.row->kind);
    const LRESULT index =
        SendMessageW(placed.handle, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED);
    if (index < 0) return std::nullopt;
    return static_cast<std::size_t>(index);
}

void Form::select_item(std::wstring_view list, std::size_t index) {
    const Placed& placed = find(list);
    expect_text_list(placed.row->kind);
    LVITEMW none{};
    none.stateMask = LVIS_SELECTED;
    SendMessageW(placed.handle, LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>(&none));
    LVITEMW chosen{};
    chosen.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    chosen.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(placed.handle, LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(&chosen));
    SendMessageW(placed.handle, LVM_ENSUREVISIBLE, index, FALSE);
}

} // namespace desktop
