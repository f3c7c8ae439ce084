#include "win/warnings_box.h"

#include <desktop/dialog_template.h>
#include <desktop/win32.h>

#include <algorithm>

namespace backplot::win {

namespace {

INT_PTR CALLBACK dialog_procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_INITDIALOG: {
        const auto& lines = *reinterpret_cast<const std::vector<std::wstring>*>(lparam);
        const HWND list = GetDlgItem(dialog, warnings_list_id);
        SendMessageW(list, LB_INITSTORAGE, lines.size(), lines.size() * 64);
        const desktop::WindowDc dc(list);
        const desktop::Selection font(
            dc, reinterpret_cast<HFONT>(SendMessageW(list, WM_GETFONT, 0, 0)));
        LONG widest = 0;
        for (const std::wstring& line : lines) {
            SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
            SIZE extent{};
            GetTextExtentPoint32W(dc, line.c_str(), static_cast<int>(line.size()), &extent);
            widest = std::max(widest, extent.cx);
        }
        // Wide enough to scroll to the end of the longest line.
        SendMessageW(list, LB_SETHORIZONTALEXTENT, widest + 8, 0);
        return TRUE; // the focus goes to the list
    }
    case WM_COMMAND:
        if (LOWORD(wparam) == IDOK || LOWORD(wparam) == IDCANCEL) {
            EndDialog(dialog, LOWORD(wparam));
            return TRUE;
        }
        break;
    }
    return FALSE;
}

} // namespace

void show_warnings(HWND owner, const std::wstring& title, const std::vector<std::wstring>& lines) {
    constexpr WORD button = 0x0080, list_box = 0x0083;
    desktop::DialogTemplate layout(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER,
                                   title, 360, 200, 2);
    layout.add_item(list_box,
                    LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_HSCROLL | WS_BORDER | WS_TABSTOP,
                    warnings_list_id, 7, 7, 346, 164);
    layout.add_item(button, BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK, 303, 178, 50, 14, L"OK");
    DialogBoxIndirectParamW(GetModuleHandleW(nullptr), layout.get(), owner, dialog_procedure,
                            reinterpret_cast<LPARAM>(&lines));
}

} // namespace backplot::win
