#pragma once
// A dialog box made in memory, without a resource: DLGTEMPLATE and its DLGITEMTEMPLATEs as the
// words that DialogBoxIndirectParamW reads, sizes in dialog units.

#include <windows.h>

#include <string_view>
#include <vector>

namespace desktop {

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

    // class_atom: 0x0080 button, 0x0081 edit, 0x0082 static, 0x0083 list box.
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

} // namespace desktop
