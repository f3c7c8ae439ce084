// Making the form's controls: each row of the table becomes its window, once, in its place.

#include "form_parts.h"

#include <commctrl.h>

#include <algorithm>
#include <stdexcept>

namespace desktop {
namespace detail {

WindowClassOfKind class_of(Kind kind) {
    switch (kind) {
    case Kind::command_button:
        return {L"BUTTON", BS_PUSHBUTTON | BS_MULTILINE, 0, true};
    case Kind::label:
        return {L"STATIC", SS_LEFT | SS_NOTIFY | WS_CLIPSIBLINGS, 0, false};
    case Kind::text_box:
        return {L"EDIT", ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, true};
    case Kind::read_only_text_box:
        return {L"EDIT", ES_LEFT | ES_AUTOHSCROLL | ES_READONLY, WS_EX_CLIENTEDGE, true};
    case Kind::option_button:
        return {L"BUTTON", BS_AUTORADIOBUTTON | BS_MULTILINE, 0, true};
    case Kind::frame:
        return {L"BUTTON", BS_GROUPBOX | WS_CLIPSIBLINGS, 0, false};
    case Kind::combo_box:
        return {L"COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL, 0, true};
    case Kind::drive_list:
        return {L"COMBOBOX", CBS_DROPDOWNLIST | CBS_HASSTRINGS | WS_VSCROLL, 0, true};
    case Kind::folder_list:
        return {L"LISTBOX",
                LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT |
                    WS_VSCROLL,
                WS_EX_CLIENTEDGE, true};
    case Kind::file_list:
        return {L"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL, WS_EX_CLIENTEDGE, true};
    case Kind::picture:
        return {picture_class.data(), 0, 0, true};
    case Kind::text_list:
        return {WC_LISTVIEWW,
                LVS_REPORT | LVS_OWNERDATA | LVS_NOCOLUMNHEADER | LVS_SINGLESEL | LVS_SHOWSELALWAYS,
                WS_EX_CLIENTEDGE, true};
    // The table places both, as it places every control: they neither move to the window's
    // edge nor size themselves.
    case Kind::status_bar:
        return {STATUSCLASSNAMEW, CCS_NOPARENTALIGN | CCS_NORESIZE, 0, false};
    case Kind::toolbar:
        return {TOOLBARCLASSNAMEW,
                TBSTYLE_FLAT | TBSTYLE_LIST | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER, 0,
                false};
    }
    throw std::logic_error("unknown control kind");
}

bool is_combo(Kind kind) {
    return kind == Kind::combo_box || kind == Kind::drive_list;
}

bool lies_beneath(Kind kind) {
    return kind == Kind::label || kind == Kind::frame;
}

} // namespace detail

using namespace detail;

void Form::create_controls() {
    controls_.reserve(design_.controls.size());
    for (const Control& row : design_.controls) {
        RECT twips{row.left, row.top, row.left + row.width, row.top + row.height};
        if (!row.container.empty()) {
            const auto frame =
                std::find_if(design_.controls.begin(), design_.controls.end(),
                             [&](const Control& c) { return c.name == row.container; });
            if (frame == design_.controls.end())
                throw std::logic_error("a control lies in a frame that the table lacks");
            OffsetRect(&twips, frame->left, frame->top);
        }
        controls_.push_back({&row, nullptr, twips, twips});
    }
    if (design_.arrange) design_.arrange(*this);
    follow_client_size();
    for (const bool beneath : {false, true})
        for (std::size_t index = 0; index < design_.controls.size(); ++index)
            if (lies_beneath(design_.controls[index].kind) == beneath) create_control(index);
}

void Form::create_control(std::size_t index) {
    Placed& placed = controls_[index];
    const Control& row = *placed.row;
    const auto kind = class_of(row.kind);
    DWORD style = WS_CHILD | WS_VISIBLE | kind.style | (kind.tab_stop ? WS_TABSTOP : 0);
    // Auto option buttons clear the others up to the next WS_GROUP: a group starts at every
    // control that is not an option of the same container as the one before it.
    const Control* previous = index > 0 ? &design_.controls[index - 1] : nullptr;
    const bool continues_group = row.kind == Kind::option_button && previous &&
                                 previous->kind == Kind::option_button &&
                                 previous->container == row.container;
    if (!continues_group) style |= WS_GROUP;

    const std::wstring caption(row.caption);
    const RECT pixels = to_pixels(row, placed.twips);
    // A picture finds its form from what it is made with.
    if (row.kind == Kind::picture) register_picture_class(&Form::picture_procedure);
    const HWND handle = CreateWindowExW(
        kind.extended_style, kind.name, is_combo(row.kind) ? L"" : caption.c_str(), style,
        pixels.left, pixels.top, pixels.right - pixels.left, pixels.bottom - pixels.top, window_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(first_control_id + index)),
        GetModuleHandleW(nullptr), row.kind == Kind::picture ? this : nullptr);
    if (!handle) throw std::runtime_error("a control could not be created");
    placed.handle = handle;
    SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(font(font_of(row))), FALSE);
    if (row.kind == Kind::text_list) {
        SendMessageW(handle, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
                     LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
        LVCOLUMNW column{LVCF_WIDTH, 0, pixels.right - pixels.left};
        SendMessageW(handle, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    }
    if (row.kind == Kind::toolbar) fill_toolbar(handle);
    if (row.kind == Kind::combo_box) SetWindowTextW(handle, caption.c_str());
    if (row.kind == Kind::option_button && row.selected)
        SendMessageW(handle, BM_SETCHECK, BST_CHECKED, 0);
}

RECT Form::to_pixels(const Control& row, const RECT& twips) const {
    RECT pixels{to_pixels(twips.left), to_pixels(twips.top), to_pixels(twips.right),
                to_pixels(twips.bottom)};
    if (is_combo(row.kind)) {
        // The closed box takes the height its font gives it; ask for the room of the list.
        pixels.bottom = pixels.top + (pixels.bottom - pixels.top) * dropped_rows;
    }
    return pixels;
}

void Form::place(const Placed& placed) {
    if (!placed.handle) return; // not made yet: it is made in its place
    const RECT pixels = to_pixels(*placed.row, placed.twips);
    SetWindowPos(placed.handle, nullptr, pixels.left, pixels.top, pixels.right - pixels.left,
                 pixels.bottom - pixels.top, SWP_NOZORDER | SWP_NOACTIVATE);
    place_frame_tip(placed.handle, *placed.row, pixels);
    if (placed.row->kind == Kind::text_list) fit_list_column(placed);
    if (placed.row->kind == Kind::status_bar) apply_parts(placed);
}

void Form::paint_lines(HDC dc) {
    const int width = std::max(1, scale_to_dpi(design_.line_width, dpi_));
    const Pen pen(CreatePen(PS_SOLID, width, GetSysColor(COLOR_WINDOWTEXT)));
    const Selection selection(dc, pen.get());
    for (const Line& line : lines_) {
        MoveToEx(dc, to_pixels(line.x1), to_pixels(line.y1), nullptr);
        LineTo(dc, to_pixels(line.x2), to_pixels(line.y2));
        // LineTo leaves out the end point; the line includes it.
        LineTo(dc, to_pixels(line.x2) + 1, to_pixels(line.y2));
    }
}

} // namespace desktop
