#include "desktop/form.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

namespace desktop {
namespace {

struct WindowClassOfKind {
    const wchar_t* name;
    DWORD style;
    DWORD extended_style;
    bool tab_stop;
};

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
    }
    throw std::logic_error("unknown control kind");
}

bool is_combo(Kind kind) {
    return kind == Kind::combo_box || kind == Kind::drive_list;
}

// Labels and frames lie beneath the other controls where the table lets them overlap (a
// label reaching into its field), and their kind clips them by their siblings, so typed text
// is never hidden. Each new control goes beneath those made before it, so they are made
// last; they take no part in tab order, so the tab order stays the table's.
bool lies_beneath(Kind kind) {
    return kind == Kind::label || kind == Kind::frame;
}

// The tool tips wait for the first view (see Form::show) on this timer of the window's.
constexpr UINT_PTR tool_tips_timer = 0x7D00;

// A drop-down's window height includes its open list; this many rows of its own height.
constexpr int dropped_rows = 12;

// Without WS_CLIPCHILDREN: frames paint only their outline, so the window's own background
// and lines must show through them; the other controls paint over the lines.
constexpr DWORD window_style = WS_OVERLAPPEDWINDOW;

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
    dpi_ = static_cast<int>(GetDpiForSystem());
    RECT outer{0, 0, to_pixels(design_.client_width), to_pixels(design_.client_height)};
    AdjustWindowRectExForDpi(&outer, window_style, FALSE, 0, dpi_);
    const std::wstring class_name(design_.window_class), caption(design_.caption);
    window_ = CreateWindowExW(0, class_name.c_str(), caption.c_str(), window_style, CW_USEDEFAULT,
                              CW_USEDEFAULT, outer.right - outer.left, outer.bottom - outer.top,
                              nullptr, nullptr, GetModuleHandleW(nullptr), this);
    if (!window_) throw std::runtime_error("the window could not be created");
    // The monitor the window landed on may have another DPI than the primary one.
    const int window_dpi = static_cast<int>(GetDpiForWindow(window_));
    if (window_dpi != dpi_) {
        dpi_ = window_dpi;
        RECT resized{0, 0, to_pixels(design_.client_width), to_pixels(design_.client_height)};
        AdjustWindowRectExForDpi(&resized, window_style, FALSE, 0, window_dpi);
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
}

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
        controls_.push_back({&row, nullptr, twips});
    }
    if (design_.arrange) design_.arrange(*this);
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
    const HWND handle = CreateWindowExW(
        kind.extended_style, kind.name, is_combo(row.kind) ? L"" : caption.c_str(), style,
        pixels.left, pixels.top, pixels.right - pixels.left, pixels.bottom - pixels.top, window_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(first_control_id + index)),
        GetModuleHandleW(nullptr), nullptr);
    if (!handle) throw std::runtime_error("a control could not be created");
    placed.handle = handle;
    SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(font(font_of(row))), FALSE);
    if (row.kind == Kind::combo_box) SetWindowTextW(handle, caption.c_str());
    if (row.kind == Kind::option_button && row.selected)
        SendMessageW(handle, BM_SETCHECK, BST_CHECKED, 0);
}

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

HFONT Form::font(const Font& font) {
    std::wstring key(font.face);
    key += L'|' + std::to_wstring(font.points) + L'|' + std::to_wstring(font.bold) + L'|' +
           std::to_wstring(font.underline) + L'|' + std::to_wstring(dpi_);
    if (auto found = fonts_.find(key); found != fonts_.end()) return found->second.get();
    LOGFONTW description{};
    description.lfHeight = -static_cast<LONG>(std::lround(font.points * dpi_ / 72.0));
    description.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    description.lfUnderline = font.underline;
    description.lfCharSet = DEFAULT_CHARSET;
    description.lfQuality = CLEARTYPE_QUALITY;
    font.face.copy(description.lfFaceName, LF_FACESIZE - 1);
    const HFONT made = CreateFontIndirectW(&description);
    fonts_.emplace(std::move(key), FontObject(made));
    return made;
}

void Form::apply_dpi(int dpi) {
    dpi_ = dpi;
    auto old_fonts = std::move(fonts_); // freed once every control has its new font
    fonts_.clear();
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font(design_.font)), FALSE);
    for (const Placed& placed : controls_) {
        SendMessageW(placed.handle, WM_SETFONT,
                     reinterpret_cast<WPARAM>(font(font_of(*placed.row))), TRUE);
        place(placed);
    }
    InvalidateRect(window_, nullptr, TRUE);
}

const Font& Form::font_of(const Control& row) const {
    return row.font.face.empty() ? design_.font : row.font;
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

void Form::select_option(const Placed& chosen) {
    // Auto option buttons already do this within a contiguous group; doing it by container
    // keeps the rule true whatever the tab order.
    for (const Placed& other : controls_) {
        if (other.row->kind != Kind::option_button || other.row->container != chosen.row->container)
            continue;
        SendMessageW(other.handle, BM_SETCHECK, &other == &chosen ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    set_option_tab_stops();
}

void Form::set_option_tab_stops() {
    // As in a dialog box, a group of option buttons is one tab stop: its checked button, or
    // its first while none is checked (which Windows checks when Tab lands on it: see
    // option_clicked).
    std::map<std::wstring_view, const Placed*> stop_of_group;
    for (const Placed& option : controls_) {
        if (option.row->kind != Kind::option_button) continue;
        auto [stop, added] = stop_of_group.try_emplace(option.row->container, &option);
        if (SendMessageW(option.handle, BM_GETCHECK, 0, 0) == BST_CHECKED) stop->second = &option;
    }
    for (const Placed& option : controls_) {
        if (option.row->kind != Kind::option_button) continue;
        const LONG style = GetWindowLongW(option.handle, GWL_STYLE) & ~WS_TABSTOP;
        const bool is_stop = stop_of_group[option.row->container] == &option;
        SetWindowLongW(option.handle, GWL_STYLE, style | (is_stop ? WS_TABSTOP : 0));
    }
}

void Form::option_clicked(const Placed& option) {
    // Windows checks an automatic option button that the Tab key gives the focus to; only a
    // group with none checked is reached that way, and Tab must not choose for the user.
    // The button's own BM_SETCHECK moves WS_TABSTOP with the check, as Windows' does: checking
    // took the stop from the group's other buttons, unchecking takes it from this one. The
    // group's stop is put back, or Shift+Tab and the next Tab would pass the group by.
    if (GetKeyState(VK_TAB) < 0) {
        SendMessageW(option.handle, BM_SETCHECK, BST_UNCHECKED, 0);
        set_option_tab_stops();
        return;
    }
    select_option(option);
    run_command(GetDlgCtrlID(option.handle), BN_CLICKED);
}

void Form::run_command(int id, WORD notification) {
    if (auto command = commands_.find({id, notification}); command != commands_.end())
        command->second();
}

void Form::remember_focus() {
    const HWND focus = GetFocus();
    if (focus && IsChild(window_, focus)) focus_ = focus;
}

void Form::restore_focus() {
    HWND target = focus_ && IsWindow(focus_) && IsWindowEnabled(focus_) ? focus_ : nullptr;
    if (!target) target = GetNextDlgTabItem(window_, nullptr, FALSE);
    if (target) SetFocus(target);
}

void Form::report_failure(const std::exception& error) noexcept {
    try {
        const std::wstring detail = from_ansi(error.what());
        message_box(L"Something went wrong that the program did not expect; the window stays "
                    L"open and what it shows is kept.\n\n" +
                        detail,
                    0, design_.caption);
    } catch (...) {
    }
}

void Form::on_command(std::wstring_view name, WORD notification, std::function<void()> handler) {
    commands_[{control_id(name), notification}] = std::move(handler);
}

void Form::on_message(UINT message, MessageHandler handler) {
    messages_[message] = std::move(handler);
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

LRESULT CALLBACK Form::window_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        auto* form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
        form->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!form) return DefWindowProcW(window, message, wparam, lparam);
    // An exception must not cross the system's code back into the message loop: it would
    // end the program without a word.
    try {
        return form->handle(message, wparam, lparam);
    } catch (const std::exception& error) {
        form->report_failure(error);
    } catch (...) {
        form->report_failure(std::runtime_error("an unknown failure"));
    }
    return 0;
}

LRESULT Form::handle(UINT message, WPARAM wparam, LPARAM lparam) {
    if (auto handler = messages_.find(message); handler != messages_.end())
        if (auto result = handler->second(wparam, lparam)) return *result;
    switch (message) {
    case WM_COMMAND: {
        const int id = LOWORD(wparam);
        const WORD notification = HIWORD(wparam);
        const Placed* clicked = find(id);
        if (notification == BN_CLICKED && clicked && clicked->row->kind == Kind::option_button) {
            option_clicked(*clicked);
            return 0;
        }
        // Enter reaches the window as IDOK (there is no default button): on a focused push
        // button it presses it. Escape (IDCANCEL) does nothing.
        if (id == IDOK && notification == 0) {
            const HWND focused = GetFocus();
            const int focused_id = GetDlgCtrlID(focused);
            const Placed* button = find(focused_id);
            if (GetParent(focused) == window_ && button &&
                button->row->kind == Kind::command_button)
                run_command(focused_id, BN_CLICKED);
            return 0;
        }
        run_command(id, notification);
        return 0;
    }
    case WM_ACTIVATE:
        if (LOWORD(wparam) == WA_INACTIVE) {
            remember_focus();
        } else if (!HIWORD(wparam)) { // not minimised
            restore_focus();
        }
        return 0;
    case WM_SETFOCUS:
        restore_focus();
        return 0;
    case WM_TIMER:
        if (wparam != tool_tips_timer) break;
        KillTimer(window_, tool_tips_timer);
        make_tool_tips();
        return 0;
    case WM_PAINT: {
        paint_lines(PaintDc(window_));
        return 0;
    }
    case WM_DPICHANGED: {
        const auto* suggested = reinterpret_cast<const RECT*>(lparam);
        apply_dpi(HIWORD(wparam));
        SetWindowPos(window_, nullptr, suggested->left, suggested->top,
                     suggested->right - suggested->left, suggested->bottom - suggested->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case WM_NCDESTROY: {
        const HWND window = window_;
        window_ = nullptr;
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        if (ends_program_) PostQuitMessage(0);
        return DefWindowProcW(window, message, wparam, lparam);
    }
    }
    return DefWindowProcW(window_, message, wparam, lparam);
}

int run_message_loop(const Form& form) {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (form.window() && IsDialogMessageW(form.window(), &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

wchar_t user_decimal_separator() {
    wchar_t separator[8]{};
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8) == 2)
        return separator[0];
    return L'.';
}

} // namespace desktop
