#pragma once
// What the form's source files share: each kind's window class and the form's own constants.
// The form is one class whose work is split by job: making its controls (controls.cpp),
// fonts and DPI (fonts_and_dpi.cpp), tool tips (tool_tips.cpp), option groups and focus
// (option_groups.cpp) and handing messages to their handlers (dispatch.cpp).

#include "desktop/form.h"

namespace desktop::detail {

struct WindowClassOfKind {
    const wchar_t* name;
    DWORD style;
    DWORD extended_style;
    bool tab_stop;
};

WindowClassOfKind class_of(Kind kind);

bool is_combo(Kind kind);

// Registers the class of picture controls once, with the form's procedure for them.
void register_picture_class(WNDPROC procedure);

// Labels and frames lie beneath the other controls where the table lets them overlap (a
// label reaching into its field), and their kind clips them by their siblings, so typed text
// is never hidden. Each new control goes beneath those made before it, so they are made
// last; they take no part in tab order, so the tab order stays the table's.
bool lies_beneath(Kind kind);

// The tool tips wait for the first view (see Form::show) on this timer of the window's.
constexpr UINT_PTR tool_tips_timer = 0x7D00;

// A drop-down's window height includes its open list; this many rows of its own height.
constexpr int dropped_rows = 12;

// Without WS_CLIPCHILDREN: frames paint only their outline, so the window's own background
// and lines must show through them; the other controls paint over the lines. A window with a
// picture clips its children (window_style_of): a picture paints all of itself, and the
// window's background painted first beneath it would flicker at every resize.
constexpr DWORD window_style = WS_OVERLAPPEDWINDOW;
DWORD window_style_of(const FormDesign& design);

} // namespace desktop::detail
