#include "commands/win/input_box.h"

#include <desktop/win32.h>

#include <vector>

namespace workbench {

namespace {

// An in-memory dialog template: DLGTEMPLATE and its DLGITEMTEMPLATEs as the words that
// DialogBoxIndirectParamW reads, sizes in dialog units.
class DialogTemplate {
public:
    DialogTemplate(DWORD style, std::wstring_view title, short width, short height,
                   WORD item_count) {
        add_dword(style | DS_SETFONT);
        add_dword(0); // extended style
        words_.push_back(item_count);
        add_rectangle(0, 0, width, height);
        words_.push_back(0); // no menu
        words_.push_back(0); // the standard dialog class
        add_text(title);
        words_.push_back(8); // points
        add_text(L"MS Shell Dlg");
    }

    // class_atom: 0x0080 button, 0x0081 edit, 0x0082 static.
    void add_item(WORD class_atom, DWORD style, WORD id, short x, short y, short width,
                  short height, std::wstring_view text = {}) {
        if (words_.size() % 2 != 0) words_.push_back(0); // each item starts on a DWORD boundary
        add_dword(style | WS_CHILD | WS_VISIBLE);
        add_dword(0);
        add_rectangle(x, y, width, height);
        words_.push_back(id);
        words_.push_back(0xFFFF);
        words_.push_back(class_atom);
        add_text(text);
        words_.push_back(0); // no creation data
    }

    const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

private:
    void add_dword(DWORD value) {
        words_.push_back(LOWORD(value));
        words_.push_back(HIWORD(value));
    }
    void add_rectangle(short x, short y, short width, short height) {
        for (short value : {x, y, width, height})
            words_.push_back(static_cast<WORD>(value));
    }
    void add_text(std::wstring_view text) {
        words_.insert(words_.end(), text.begin(), text.end());
        words_.push_back(0);
    }

    std::vector<WORD> words_;
};

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
            exchange->result = desktop::window_text(GetDlgItem(dialog, input_box_field_id));
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

} // namespace workbench
