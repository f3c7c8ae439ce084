// The tool tips of the form's controls, made once the window waits for input.

#include "form_parts.h"

#include <commctrl.h>

namespace desktop {

void Form::make_tool_tips() {
    if (tool_tips_) return;
    tool_tips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                 WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    SendMessageW(tool_tips_, TTM_SETMAXTIPWIDTH, 0, 600);
    for (const Placed& placed : controls_) {
        const Control& row = *placed.row;
        if (row.tool_tip.empty()) continue;
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = window_;
        tool.uId = reinterpret_cast<UINT_PTR>(placed.handle);
        std::wstring tip(row.tool_tip);
        tool.lpszText = tip.data();
        if (row.kind == Kind::frame) { // see place_frame_tip
            tool.uFlags = TTF_SUBCLASS;
            tool.uId = static_cast<UINT_PTR>(GetDlgCtrlID(placed.handle));
            tool.rect = to_pixels(row, placed.twips);
        }
        SendMessageW(tool_tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        // The edit field inside an editable combo box shows the same tip.
        if (HWND inner = GetWindow(placed.handle, GW_CHILD); inner && row.kind == Kind::combo_box) {
            tool.uId = reinterpret_cast<UINT_PTR>(inner);
            SendMessageW(tool_tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        }
    }
    // A mouse that came to rest on the window before the tips were made shows its tip too:
    // they learn where it is now, as from a move.
    POINT cursor;
    if (!GetCursorPos(&cursor)) return;
    const HWND under = WindowFromPoint(cursor);
    if (under != window_ && !IsChild(window_, under)) return;
    ScreenToClient(under, &cursor);
    MSG move{under, WM_MOUSEMOVE, 0, MAKELPARAM(cursor.x, cursor.y)};
    SendMessageW(tool_tips_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&move));
}

// A frame lets the mouse through to the window, so its tip is a rectangle of the window
// (known by the frame's ID) that follows the frame.
void Form::place_frame_tip(HWND frame, const Control& row, const RECT& pixels) {
    if (!tool_tips_ || row.kind != Kind::frame || row.tool_tip.empty()) return;
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = window_;
    tool.uId = static_cast<UINT_PTR>(GetDlgCtrlID(frame));
    tool.rect = pixels;
    SendMessageW(tool_tips_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
}

} // namespace desktop
