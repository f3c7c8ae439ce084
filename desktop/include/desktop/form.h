#pragma once
// A window built from its control table. Each program describes its window as data (a
// FormDesign whose rows read like the program's control table) and Form turns it into real
// Win32 controls: twips to pixels at the window's DPI, fonts, tool tips, tab order, option
// groups, frames and lines. The automation contract holds for every form: the control in
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
};

struct Font {
    std::wstring_view face;
    double points = 12;
    bool bold = false;
    bool underline = false;
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
};

struct Line {
    std::wstring_view name;
    int x1, y1, x2, y2; // twips
};

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

private:
    struct Placed {
        const Control* row;
        HWND handle;
        RECT twips; // relative to the client area
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
    MessageBoxFunction message_box_;
};

// The message loop of a program's one window; returns when the window is closed.
int run_message_loop(const Form& form);

// The user's decimal separator (Control Panel, Region).
wchar_t user_decimal_separator();

} // namespace desktop
