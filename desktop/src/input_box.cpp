#include "desktop/input_box.h"

#include "desktop/dialog_template.h"
#include "desktop/win32.h"

namespace desktop {

namespace {

struct Exchange {
    std::wstring result;
};

INT_PTR CALLBACK dialog_procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrW(dialog, DWLP_USER, lparam);
        SetFocus(GetDlgItem(dialog, input_box_field_id));
        return FALSE; // the focus is set
    case WM_COMMAND:
        if (LOWORD(wparam) == IDOK) {
            auto* exchange = reinterpret_cast<Exchange*>(GetWindowLongPtrW(dialog, DWLP_USER));
            exchange->result = window_text(GetDlgItem(dialog, input_box_field_id));
            EndDialog(dialog, IDOK);
            return TRUE;
        }
        if (LOWORD(wparam) == IDCANCEL) {
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

} // namespace

std::wstring input_box(HWND owner, std::wstring_view prompt, std::wstring_view title) {
    constexpr WORD button = 0x0080, edit = 0x0081, label = 0x0082;
    DialogTemplate layout(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER, title,
                          240, 84, 4);
    layout.add_item(label, SS_LEFT | SS_NOPREFIX, input_box_prompt_id, 7, 7, 168, 48, prompt);
    layout.add_item(edit, ES_LEFT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, input_box_field_id, 7,
                    62, 226, 14);
    layout.add_item(button, BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK, 183, 7, 50, 14, L"OK");
    layout.add_item(button, BS_PUSHBUTTON | WS_TABSTOP, IDCANCEL, 183, 25, 50, 14, L"Cancel");

    Exchange exchange;
    DialogBoxIndirectParamW(GetModuleHandleW(nullptr), layout.get(), owner, dialog_procedure,
                            reinterpret_cast<LPARAM>(&exchange));
    return exchange.result;
}

} // namespace desktop
