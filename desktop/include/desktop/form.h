#pragma once
// A window built from its control table. Each program describes its window as data (a
// FormDesign whose rows read like the program's control table) and Form turns it into real
// Win32 controls: twips to pixels at the window's DPI, fonts, tool tips, tab order, option
// groups, frames and lines; how each control follows the window's size; the menu bar, its
// shortcuts and the toolbar. The automation contract holds for every form: the control in
// row N of the table (its tab index) has the control ID 1000 + N.

#include "desktop/win32.h"
#include "numbers/outcome.h"

#include <windows.h>

#include <exception>
#include <functional>
#include <initializer_list>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace desktop {

enum class Kind {
    command_button,     // BUTTON, BS_PUSHBUTTON
    label,              // STATIC, SS_NOTIFY so that its tool tip shows
    text_box,           // EDIT, single line
    read_only_text_box, // EDIT, ES_READONLY: shows text and takes focus
    option_button,      // BUTTON, BS_AUTORADIOBUTTON, grouped by its container
    frame,              // BUTTON, BS_GROUPBOX
    combo_box,          // COMBOBOX, CBS_DROPDOWN (editable)
    drive_list,         // COMBOBOX, CBS_DROPDOWNLIST
    folder_list,        // LISTBOX with strings, owner-drawn by its program
    file_list,          // LISTBOX with strings
    picture,    // a child of the form's own class (picture_class) that paints itself through
                // on_paint, double-buffered, and is told the mouse and keys (on_mouse, on_key)
    text_list,  // SysListView32: a virtual list of one column, its items asked for as they
                // show (set_items), so that a million lines cost nothing until seen
    status_bar, // msctls_statusbar32, in parts (set_parts, set_part_text)
    toolbar,    // ToolbarWindow32: the menu's commands marked for it, as buttons of text
};

// The window class of every picture control: the toolkit's own.
inline constexpr std::wstring_view picture_class = L"NctPicture";

struct Font {
    std::wstring_view face;
    double points = 12;
    bool bold = false;
    bool underline = false;
    // Where the face is missing, a font of even widths stands in (program text lines up).
    bool fixed_pitch = false;
};

// How a control's edges follow the client area as the window is resized: each edge moves by
// its share of the change of the client's width (left, right) or height (top, bottom) from
// the design's. All 0 (the default): the control stays as designed. {0, 0, 1, 1}: it grows
// with the window. {0.6, 0, 1, 1}: its left edge keeps to 60 % of the width, so that it and
// a neighbour whose right edge follows by 0.6 share the width as designed.
struct Follow {
    double left = 0, top = 0, right = 0, bottom = 0;
};

struct Control {
    std::wstring_view name;
    Kind kind;
    std::wstring_view caption; // caption or initial text
    std::wstring_view tool_tip;
    int left, top, width, height; // twips, relative to the container
    Font font;
    std::wstring_view container = {}; // the frame it lies in; empty for the window itself
    bool selected = false;            // an option button that starts selected
    Follow follow = {};               // how it follows the window's size
};

struct Line {
    std::wstring_view name;
    int x1, y1, x2, y2; // twips
};

// A command of the menu bar. Its ID (for WM_COMMAND) is menu_command_id + its row; a toolbar
// button of it sends the same, and so do its shortcuts.
struct MenuItem {
    std::wstring_view menu;  // the menu bar's entry it is under: L"&File"
    std::wstring_view name;  // the command's name, for on_menu and set_checked; empty: a separator
    std::wstring_view text;  // L"&Open...": the keys of its first shortcut are shown beside it
    bool on_toolbar = false; // a button of the form's toolbar too, showing the text
    // One of a run of choices of which one is checked (the view's direction): a radio mark in
    // the menu, a button of a group on the toolbar.
    bool choice = false;
};

// A key that runs a menu command, wherever the focus is in the window: a virtual key ('O',
// '1', VK_HOME, VK_F5) with the modifiers held (FCONTROL, FSHIFT, FALT).
struct Shortcut {
    std::wstring_view command;
    WORD key;
    BYTE modifiers = 0;
};

inline constexpr int menu_command_id = 20000;

class Form;

struct FormDesign {
    std::wstring_view window_class;
    std::wstring_view caption;
    int client_width, client_height; // twips
    Font font;                       // the window's own font
    int icon_resource = 1;
    int line_width = 1; // pixels at 96 DPI
    std::span<const Control> controls;
    std::span<const Line> lines;
    // A layout rule that moves controls and lines by the window's size, or none. The form
    // applies it before it makes the controls, so that each is made once in its place.
    void (*arrange)(Form& form) = nullptr;
    std::span<const MenuItem> menu;                  // none: no menu bar
    std::span<const Shortcut> shortcuts;             // the keys of menu commands
    int min_client_width = 0, min_client_height = 0; // twips: the window is not made smaller
};

// What the mouse did on a picture, in pixels of its client area. A picture takes the mouse
// (captures it) while a button is held, so that a drag goes on beyond its edge; a capture
// taken away (another window, a message box) ends the drag as `lost`.
struct MouseEvent {
    enum class Action { press, release, move, wheel, lost };
    enum class Button { none, left, right, middle };
    Action action = Action::move;
    Button button = Button::none; // press and release: which one
    POINT at{};
    int wheel = 0; // the wheel's turn, WHEEL_DELTA (120) a notch, positive away from the user
};

inline constexpr int first_control_id = 1000;

// What a form shows its user in a message box: text, style (0 OK, 1 OK and Cancel), title;
// returns the button code (1 OK, 2 Cancel). Tests put a scripted fake in its place.
using MessageBoxFunction =
    std::function<int(std::wstring_view text, int style, std::wstring_view title)>;

class Form {
public:
    explicit Form(const FormDesign& design);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    HWND window() const { return window_; }
    const FormDesign& design() const { return design_; }
    HWND control(std::wstring_view name) const;
    int control_id(std::wstring_view name) const;

    std::wstring text(std::wstring_view name) const;
    void set_text(std::wstring_view name, std::wstring_view text);
    bool is_selected(std::wstring_view name) const; // an option button's state
    // The value of the first selected option of `options`, asked in their order; `otherwise`
    // when none of them is selected.
    template <class Value>
    Value chosen(std::initializer_list<std::pair<std::wstring_view, Value>> options,
                 Value otherwise) const {
        for (const auto& [name, value] : options)
            if (is_selected(name)) return value;
        return otherwise;
    }

    // Handlers of one control's notification (BN_CLICKED, LBN_DBLCLK, CBN_SELCHANGE, ...).
    void on_command(std::wstring_view name, WORD notification, std::function<void()> handler);
    void on_click(std::wstring_view name, std::function<void()> handler) {
        on_command(name, BN_CLICKED, std::move(handler));
    }
    // A handler of a window message (WM_SIZE, WM_DRAWITEM, WM_CLOSE, ...); returning a
    // value stops default processing.
    using MessageHandler = std::function<std::optional<LRESULT>(WPARAM, LPARAM)>;
    void on_message(UINT message, MessageHandler handler);
    // A handler of one control's WM_NOTIFY code (LVN_ITEMCHANGED, NM_CLICK, ...); returning a
    // value makes it the message's result.
    using NotifyHandler = std::function<std::optional<LRESULT>(const NMHDR&)>;
    void on_notify(std::wstring_view name, UINT code, NotifyHandler handler);

    // The handler of a menu command, its shortcuts and its toolbar button.
    void on_menu(std::wstring_view command, std::function<void()> handler);
    // A check mark at the command in the menu, its toolbar button pressed. A choice checked
    // leaves the others of its run as they are: the program unchecks them.
    void set_checked(std::wstring_view command, bool checked);
    bool is_checked(std::wstring_view command) const;
    HMENU menu() const { return menu_; }

    // A picture's painting: into a bitmap of the picture's size that is then shown whole, so
    // that nothing flickers; the handler paints all of it. The form adds the focus frame.
    using PaintHandler = std::function<void(HDC dc, SIZE size)>;
    void on_paint(std::wstring_view picture, PaintHandler handler);
    void on_mouse(std::wstring_view picture, std::function<void(const MouseEvent&)> handler);
    // A key pressed on a picture that has the focus (arrows included); true when handled.
    void on_key(std::wstring_view picture, std::function<bool(UINT key)> handler);
    // Paints the picture again, soon (when no other message waits).
    void redraw(std::wstring_view picture);

    // A text list's items: `count` of them, item i's text asked for as it shows. The column
    // is as wide as item `longest`'s text or the list, whichever is wider. None of the new
    // items is selected; the list stays scrolled where it was.
    using ItemText = std::function<std::wstring(std::size_t index)>;
    void set_items(std::wstring_view list, std::size_t count, ItemText text,
                   std::size_t longest = 0);
    std::optional<std::size_t> selected_item(std::wstring_view list) const;
    // Selects the item, gives it the list's focus mark and scrolls it into view; the list
    // tells it (LVN_ITEMCHANGED) as it tells a click.
    void select_item(std::wstring_view list, std::size_t index);

    // A status bar's parts: each one's width in twips, 0 for as wide as its text; the last
    // reaches to the bar's end.
    void set_parts(std::wstring_view bar, std::vector<int> widths);
    void set_part_text(std::wstring_view bar, int part, std::wstring_view text);

    // Places in twips, for layout rules; the form converts them at the current DPI.
    RECT bounds(std::wstring_view name) const; // left, top, right, bottom in twips
    void set_bounds(std::wstring_view name, int left, int top, int width, int height);
    Line line(std::wstring_view name) const;
    void set_line(std::wstring_view name, int x1, int y1, int x2, int y2);

    int dpi() const { return dpi_; }
    int to_pixels(int twips) const { return twips_to_pixels(twips, dpi_); }
    int to_twips(int pixels) const { return pixels_to_twips(pixels, dpi_); }

    int message_box(std::wstring_view text, int style, std::wstring_view title);
    // Writes every text of the outcome in its order, or shows its message (style 0).
    void apply(const numbers::Outcome& outcome);
    void set_message_box(MessageBoxFunction function) { message_box_ = std::move(function); }

    // Shows the window and gives the focus to the first control that takes it. The tool tips
    // follow on a timer, once the program waits for input: the first view does not need them,
    // and making them first would keep it from the user for a noticeable time under Wine.
    void show(int show_command = SW_SHOWNORMAL);
    // Ends the program the way its Exit button does.
    void close();

    // The form of a window (a form's own), or null.
    static Form* of(HWND window);
    // The keys of the menu's shortcuts, for the message loop: true when `message` was one.
    bool translate_shortcut(MSG& message) const;

private:
    struct Placed {
        const Control* row;
        HWND handle;
        RECT twips;    // relative to the client area
        RECT designed; // as the table places it, where the following of the size starts
    };
    static LRESULT CALLBACK window_procedure(HWND, UINT, WPARAM, LPARAM);
    LRESULT handle(UINT message, WPARAM wparam, LPARAM lparam);
    void create_controls();
    void create_control(std::size_t index);
    void make_tool_tips();
    void apply_dpi(int dpi);
    const Font& font_of(const Control& row) const;
    RECT to_pixels(const Control& row, const RECT& twips) const;
    void place(const Placed& placed);
    void paint_lines(HDC dc);
    void follow_client_size();
    void limit_size(MINMAXINFO& limits) const;
    void create_menu();
    void fill_toolbar(HWND toolbar);
    void notify(const NMHDR& header, LRESULT& result, bool& handled);
    void fit_list_column(const Placed& list);
    void apply_parts(const Placed& bar);
    static LRESULT CALLBACK picture_procedure(HWND, UINT, WPARAM, LPARAM);
    LRESULT picture_message(HWND picture, UINT message, WPARAM wparam, LPARAM lparam);
    void paint_picture(HWND picture);
    HFONT font(const Font& font);
    const Placed& find(std::wstring_view name) const;
    Placed& find(std::wstring_view name);
    const Placed* find(int id) const; // nullptr for an ID that is not the form's
    void select_option(const Placed& chosen);
    void set_option_tab_stops();
    void place_frame_tip(HWND frame, const Control& row, const RECT& pixels);
    void option_clicked(const Placed& option);
    void run_command(int id, WORD notification);
    void remember_focus();
    void restore_focus();
    void report_failure(const std::exception& error) noexcept;

    FormDesign design_;
    HWND window_ = nullptr;
    HWND tool_tips_ = nullptr;
    HWND focus_ = nullptr; // the control that had the focus when the window was last active
    int dpi_ = 96;
    bool ends_program_ = true;
    std::vector<Placed> controls_;
    std::vector<Line> lines_;
    std::map<std::wstring, FontObject, std::less<>> fonts_;
    std::map<std::pair<int, WORD>, std::function<void()>> commands_;
    std::map<UINT, MessageHandler> messages_;
    std::map<std::pair<int, UINT>, NotifyHandler> notifications_;
    MessageBoxFunction message_box_;
    HMENU menu_ = nullptr;
    HACCEL shortcuts_ = nullptr;
    struct PictureState {
        PaintHandler paint;
        std::function<void(const MouseEvent&)> mouse;
        std::function<bool(UINT key)> key;
        Bitmap buffer; // kept while the picture's size stays
        SIZE buffer_size{};
    };
    struct TextListState {
        ItemText text;
        std::size_t count = 0, longest = 0;
    };
    std::map<int, PictureState> pictures_;  // by control ID
    std::map<int, TextListState> lists_;    // by control ID
    std::map<int, std::vector<int>> parts_; // a status bar's part widths by its ID, twips
};

// The message loop of a program's one window; returns when the window is closed. The mouse
// wheel turns what is under the mouse, as on Windows 10, not what has the focus.
int run_message_loop(const Form& form);

// The user's decimal separator (Control Panel, Region).
wchar_t user_decimal_separator();

} // namespace desktop
