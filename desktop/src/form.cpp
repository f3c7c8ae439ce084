// The form itself: its window class and window, its controls found by name, their texts and
// places, its message box, and showing and closing it.

#include "form_parts.h"

#include <commctrl.h>

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace desktop {

using namespace detail;

namespace {

void register_class(const FormDesign& design, WNDPROC procedure) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const std::wstring name(design.window_class);
    WNDCLASSEXW existing{sizeof existing};
    if (GetClassInfoExW(instance, name.c_str(), &existing)) return;
    WNDCLASSEXW window_class{sizeof window_class};
    window_class.lpfnWndProc = procedure;
    window_class.hInstance = instance;
    window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    window_class.lpszClassName = name.c_str();
    window_class.hIcon = static_cast<HICON>(LoadImageW(
        instance, MAKEINTRESOURCEW(design.icon_resource), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
    window_class.hIconSm = static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(design.icon_resource), IMAGE_ICON,
                   GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    if (!RegisterClassExW(&window_class))
        throw std::runtime_error("the window class could not be registered");
}

void init_common_controls() {
    static const bool done = [] {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
        return InitCommonControlsEx(&controls) != FALSE;
    }();
    (void)done;
}

} // namespace

Form::Form(const FormDesign& design)
    : design_(design), lines_(design.lines.begin(), design.lines.end()) {
    init_common_controls();
    register_class(design_, &Form::window_procedure);
    create_menu();
    const DWORD style = window_style_of(design_);
    const BOOL has_menu = menu_ != nullptr;
    dpi_ = static_cast<int>(GetDpiForSystem());
    RECT outer{0, 0, to_pixels(design_.client_width), to_pixels(design_.client_height)};
    AdjustWindowRectExForDpi(&outer, style, has_menu, 0, dpi_);
    const std::wstring class_name(design_.window_class), caption(design_.caption);
    window_ = CreateWindowExW(0, class_name.c_str(), caption.c_str(), style, CW_USEDEFAULT,
                              CW_USEDEFAULT, outer.right - outer.left, outer.bottom - outer.top,
                              nullptr, menu_, GetModuleHandleW(nullptr), this);
    if (!window_) {
        if (menu_) DestroyMenu(menu_);
        throw std::runtime_error("the window could not be created");
    }
    // The monitor the window landed on may have another DPI than the primary one.
    const int window_dpi = static_cast<int>(GetDpiForWindow(window_));
    if (window_dpi != dpi_) {
        dpi_ = window_dpi;
        RECT resized{0, 0, to_pixels(design_.client_width), to_pixels(design_.client_height)};
        AdjustWindowRectExForDpi(&resized, style, has_menu, 0, window_dpi);
        SetWindowPos(window_, nullptr, 0, 0, resized.right - resized.left,
                     resized.bottom - resized.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // Each control is made once, in its place and font at this DPI: moving and re-fonting
    // them all afterwards costs a noticeable part of the start-up under Wine.
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font(design_.font)), FALSE);
    create_controls();
    set_option_tab_stops();
}

Form::~Form() {
    ends_program_ = false; // destroyed by its owner, not closed by the user
    if (window_) DestroyWindow(window_);
    if (shortcuts_) DestroyAcceleratorTable(shortcuts_);
}

DWORD detail::window_style_of(const FormDesign& design) {
    const bool has_picture = std::ranges::any_of(
        design.controls, [](const Control& row) { return row.kind == Kind::picture; });
    return window_style | (has_picture ? WS_CLIPCHILDREN : 0);
}

const Form::Placed& Form::find(std::wstring_view name) const {
    for (const Placed& placed : controls_)
        if (placed.row->name == name) return placed;
    throw std::logic_error("no control of that name");
}

Form::Placed& Form::find(std::wstring_view name) {
    return const_cast<Placed&>(std::as_const(*this).find(name));
}

const Form::Placed* Form::find(int id) const {
    const auto index = static_cast<std::size_t>(id - first_control_id);
    return index < controls_.size() ? &controls_[index] : nullptr;
}

HWND Form::control(std::wstring_view name) const {
    return find(name).handle;
}

int Form::control_id(std::wstring_view name) const {
    return GetDlgCtrlID(control(name));
}

std::wstring Form::text(std::wstring_view name) const {
    return window_text(control(name));
}

void Form::set_text(std::wstring_view name, std::wstring_view text) {
    SetWindowTextW(control(name), std::wstring(text).c_str());
}

bool Form::is_selected(std::wstring_view name) const {
    return SendMessageW(control(name), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

RECT Form::bounds(std::wstring_view name) const {
    return find(name).twips;
}

void Form::set_bounds(std::wstring_view name, int left, int top, int width, int height) {
    Placed& placed = find(name);
    const RECT twips{left, top, left + width, top + height};
    // A layout run again at the same size (a window shown, restored) moves nothing; moving
    // controls, combo boxes most, costs a noticeable time under Wine.
    if (EqualRect(&placed.twips, &twips)) return;
    placed.twips = twips;
    place(placed);
}

Line Form::line(std::wstring_view name) const {
    for (const Line& line : lines_)
        if (line.name == name) return line;
    throw std::logic_error("no line of that name");
}

void Form::set_line(std::wstring_view name, int x1, int y1, int x2, int y2) {
    for (Line& line : lines_) {
        if (line.name != name) continue;
        if (line.x1 == x1 && line.y1 == y1 && line.x2 == x2 && line.y2 == y2) return;
        line.x1 = x1, line.y1 = y1, line.x2 = x2, line.y2 = y2;
        InvalidateRect(window_, nullptr, TRUE);
        return;
    }
    throw std::logic_error("no line of that name");
}

int Form::message_box(std::wstring_view text, int style, std::wstring_view title) {
    if (message_box_) return message_box_(text, style, title);
    const std::wstring text_copy(text), title_copy(title);
    return MessageBoxW(window_, text_copy.c_str(), title_copy.c_str(),
                       style == 1 ? MB_OKCANCEL : MB_OK);
}

void Form::apply(const numbers::Outcome& outcome) {
    if (const auto* message = std::get_if<numbers::Message>(&outcome)) {
        message_box(message->text, 0, message->title);
        return;
    }
    for (const auto& [name, text] : std::get<numbers::Writes>(outcome))
        set_text(name, text);
}

void Form::show(int show_command) {
    ShowWindow(window_, show_command);
    UpdateWindow(window_);
    restore_focus();
    // A timer's message comes only when no other message waits: after the first view is
    // painted and the window answers input. A tip shows only after the mouse has rested for
    // half a second, so no tip is missed.
    if (!tool_tips_) SetTimer(window_, tool_tips_timer, USER_TIMER_MINIMUM, nullptr);
}

void Form::close() {
    DestroyWindow(window_);
}
wchar_t user_decimal_separator() {
    wchar_t separator[8]{};
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8) == 2)
        return separator[0];
    return L'.';
}

} // namespace desktop
