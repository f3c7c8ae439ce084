#include "win/file_menu.h"

#include <windowsx.h>

#include <memory>

namespace workbench::win {

namespace {

bool from_keyboard(LPARAM where) {
    return GET_X_LPARAM(where) == -1 && GET_Y_LPARAM(where) == -1;
}

struct MenuDestroyer {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};

} // namespace

bool choose_menu_file(HWND list, LPARAM where) {
    if (from_keyboard(where)) return SendMessageW(list, LB_GETCURSEL, 0, 0) != LB_ERR;
    POINT at{GET_X_LPARAM(where), GET_Y_LPARAM(where)};
    ScreenToClient(list, &at);
    const LRESULT hit = SendMessageW(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(at.x, at.y));
    if (HIWORD(hit) != 0) return false; // outside every item
    SendMessageW(list, LB_SETCURSEL, LOWORD(hit), 0);
    return true;
}

FileMenuCommand show_file_menu(HWND owner, HWND list, LPARAM where) {
    const std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDestroyer> menu(CreatePopupMenu());
    constexpr UINT plot = 1;
    AppendMenuW(menu.get(), MF_STRING, plot, L"&Plot");
    POINT at{GET_X_LPARAM(where), GET_Y_LPARAM(where)};
    if (from_keyboard(where)) {
        RECT item{};
        SendMessageW(list, LB_GETITEMRECT, SendMessageW(list, LB_GETCURSEL, 0, 0),
                     reinterpret_cast<LPARAM>(&item));
        at = {item.left, item.bottom};
        ClientToScreen(list, &at);
    }
    const UINT chosen = static_cast<UINT>(
        TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN,
                       at.x, at.y, 0, owner, nullptr));
    return chosen == plot ? FileMenuCommand::plot : FileMenuCommand::none;
}

} // namespace workbench::win
