// The Backplot window's wiring: connect() registers every command and message it handles;
// the rest hands them to the picture, the text list and the status bar.

#include "win/backplot_window.h"

#include "app/paths.h"
#include "app/warning_list.h"
#include "core/text_encoding.h"
#include "load.h"
#include "picking.h"
#include "status_texts.h"
#include "win/backplot_form.h"
#include "win/file_dialogs.h"
#include "win/file_reading.h"
#include "win/machine_settings.h"
#include "win/warnings_box.h"

#include <desktop/input_box.h>
#include <desktop/win32.h>

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdint>

namespace backplot::win {

namespace {

constexpr UINT watch_interval = 500; // milliseconds between looks at the open file

// A file's text as the window shows it: UTF-8 when it is, else the system's ANSI code page.
std::wstring shown(std::string_view text) {
    return workbench::decode_text(text, desktop::from_ansi);
}

std::string typed(const std::wstring& text) {
    // What Ctrl+G reads is digits and N: anything else is refused as it stands.
    std::string narrow;
    for (const wchar_t c : text)
        narrow += c < 128 ? static_cast<char>(c) : '?';
    return narrow;
}

// The status bar's parts: the first three as wide as their texts, the chosen line the rest.
const std::vector<int> status_widths = {0, 0, 0, 0};

constexpr struct {
    std::wstring_view command;
    Orientation orientation;
} views[] = {{L"Top", Orientation::top},
             {L"Front", Orientation::front},
             {L"Side", Orientation::side},
             {L"Isometric", Orientation::isometric}};

} // namespace

BackplotWindow::BackplotWindow(std::wstring path)
    : Form(backplot_form()), watch_(*this, [this] { watch_tick(); }) {
    connect();
    set_parts(L"Status", status_widths);
    show_status();
    show_view_choice();
    DragAcceptFiles(window(), TRUE);
    if (!path.empty()) {
        waiting_path_ = std::move(path);
        PostMessageW(window(), open_first_file_message, 0, 0);
    }
}

void BackplotWindow::connect() {
    on_menu(L"Open", [this] { open_chosen_file(); });
    on_menu(L"Settings", [this] { choose_settings_file(); });
    on_menu(L"Exit", [this] { close(); });
    for (const auto& [command, orientation] : views)
        on_menu(command, [this, orientation] { orient(orientation); });
    on_menu(L"Fit", [this] { fit(); });
    on_menu(L"Warnings", [this] { show_warnings(); });
    on_menu(L"GoTo", [this] { go_to(); });

    on_paint(L"Picture", [this](HDC dc, SIZE size) { paint(dc, size); });
    on_mouse(L"Picture", [this](const desktop::MouseEvent& event) { mouse(event); });
    on_key(L"Picture", [this](UINT pressed) { return key(pressed); });
    on_notify(L"Text", LVN_ITEMCHANGED, [this](const NMHDR& header) -> std::optional<LRESULT> {
        list_choice_changed(header);
        return std::nullopt;
    });
    // A click on the warnings' part lists them.
    on_notify(L"Status", NM_CLICK, [this](const NMHDR& header) -> std::optional<LRESULT> {
        if (reinterpret_cast<const NMMOUSE&>(header).dwItemSpec == warnings_part) show_warnings();
        return std::nullopt;
    });

    on_message(open_first_file_message, [this](WPARAM, LPARAM) -> std::optional<LRESULT> {
        const std::wstring path = std::move(waiting_path_);
        waiting_path_.clear();
        open(path);
        redraw(L"Picture"); // without it, if it could not be read
        return 0;
    });
    on_message(WM_DROPFILES, [this](WPARAM drop, LPARAM) -> std::optional<LRESULT> {
        const auto files = reinterpret_cast<HDROP>(drop);
        std::wstring dropped(DragQueryFileW(files, 0, nullptr, 0) + 1, L'\0');
        dropped.resize(DragQueryFileW(files, 0, dropped.data(), static_cast<UINT>(dropped.size())));
        DragFinish(files);
        if (!dropped.empty()) open(dropped);
        return 0;
    });
}

std::wstring BackplotWindow::failure_text(const std::wstring& path,
                                          const std::wstring& reason) const {
    return L"The file\n" + path + L"\ncould not be read: " + reason;
}

void BackplotWindow::open(const std::wstring& given, bool again) {
    // A path relative to the folder the program started in would name another file once an
    // open dialog has moved the current folder: the file watched, read again with other
    // settings.
    const std::wstring path = full_path(given);
    const FileStamp stamp = stamp_of(path);
    const HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    FileRead read = read_file(path);
    if (!read.bytes) {
        SetCursor(previous);
        // A file being written or replaced is read once it is whole again.
        if (!again) message_box(failure_text(path, read.failure), 0, caption);
        return;
    }
    if (!again && path != path_) settings_file_.reset();
    // The line chosen in the text stays chosen when the file is read again.
    constexpr std::size_t none = static_cast<std::size_t>(-1);
    const std::size_t kept_line = again ? selected_item(L"Text").value_or(none) : none;
    const MachineSettings machine = machine_settings(path, *read.bytes, settings_file_);
    const std::string extension = typed(extension_of(path));
    Plot plot = load_plot(std::move(*read.bytes),
                          {machine.settings ? &*machine.settings : nullptr, extension});

    // The notes beneath the picture: the reader's, then where the settings came from or why
    // there are none. A label reads "&" as an access key: doubled, it shows as it is.
    std::vector<std::wstring> notes;
    for (const std::string& note : plot.notes())
        notes.push_back(shown(note));
    if (!machine.note.empty())
        notes.push_back(machine.note);
    else if (plot.kind() == FileKind::nc_program && !machine.settings)
        notes.push_back(L"The program names no settings file: choose one with File, Machine "
                        L"Settings.");
    std::wstring joined;
    for (const std::wstring& note : notes)
        for (const wchar_t c : (joined.empty() ? L"" : L"\n") + note)
            joined += c == L'&' ? L"&&" : std::wstring(1, c);
    set_text(L"Notes", joined);

    path_ = path;
    change_.read(stamp);
    watch_.start(watch_interval);
    SetWindowTextW(window(), (std::wstring(caption) + L" - " + file_name_of(path)).c_str());

    std::size_t longest = 0;
    for (std::size_t n = 1; n <= plot.line_count(); ++n)
        if (plot.line(n).size() > plot.line(longest + 1).size()) longest = n - 1;
    const std::size_t lines = plot.line_count();
    clicked_move_.reset();
    picture_.show(std::move(plot), again);
    set_items(
        L"Text", lines,
        [this](std::size_t index) { return shown(picture_.plot().line(index + 1)); }, longest);
    if (kept_line < lines) select_item(L"Text", kept_line);
    // Another file, or the same one chosen anew, shows from its first line.
    if (!again && lines > 0) SendMessageW(control(L"Text"), LVM_ENSUREVISIBLE, 0, FALSE);
    SetCursor(previous);
    show_status();
    picture_changed();
}

void BackplotWindow::list_choice_changed(const NMHDR& header) {
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
    if (!(change.uChanged & LVIF_STATE) || !(change.uNewState & LVIS_SELECTED) ||
        (change.uOldState & LVIS_SELECTED) || change.iItem < 0)
        return;
    const Plot& plot = picture_.plot();
    const auto line = static_cast<std::int64_t>(change.iItem) + 1;
    if (!(clicked_move_ && plot.move(*clicked_move_).line == line)) {
        clicked_move_.reset();
        picture_.choose(move_of_line(plot, line));
    }
    show_status();
    picture_changed();
}

void BackplotWindow::mouse(const desktop::MouseEvent& event) {
    using Action = desktop::MouseEvent::Action;
    using MouseButton = desktop::MouseEvent::Button;
    const Pixel at{static_cast<double>(event.at.x), static_cast<double>(event.at.y)};
    const Picture::Button button = event.button == MouseButton::right    ? Picture::Button::right
                                   : event.button == MouseButton::middle ? Picture::Button::middle
                                                                         : Picture::Button::left;
    switch (event.action) {
    case Action::press:
        picture_.press(button, at);
        break;
    case Action::move:
        if (picture_.drag(at)) {
            show_view_choice();
            picture_changed();
        }
        break;
    case Action::release:
        if (const auto click = picture_.release(button, at)) {
            if (const auto move = picture_.move_at(*click)) {
                clicked_move_ = move;
                picture_.choose(move);
                select_item(L"Text", picture_.plot().move(*move).line - 1);
            }
        }
        show_view_choice();
        picture_changed();
        break;
    case Action::wheel:
        picture_.wheel(event.wheel, at);
        picture_changed();
        break;
    case Action::lost:
        picture_.drag_lost();
        break;
    }
}

bool BackplotWindow::key(UINT pressed) {
    // The arrow and page keys step through the text wherever the focus is.
    switch (pressed) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
        SendMessageW(control(L"Text"), WM_KEYDOWN, pressed, 0);
        return true;
    }
    return false;
}

void BackplotWindow::paint(HDC dc, SIZE size) {
    const Viewport viewport{size.cx, size.cy};
    if (viewport.width != picture_.viewport().width ||
        viewport.height != picture_.viewport().height)
        picture_.resize(viewport, dpi() / 96.0);
    std::wstring message;
    if (!picture_.plot().message().empty())
        message = file_name_of(path_) + L" is not drawn: " + shown(picture_.plot().message());
    if (!waiting_path_.empty())
        message = L"Reading " + waiting_path_ + L"...";
    else if (path_.empty())
        message = L"Open an NC program or CL file: File, Open (Ctrl+O), or drop one here.";
    painter_.paint(dc, size, dpi(), picture_.display_list(), picture_.view(), message);
}

void BackplotWindow::orient(Orientation orientation) {
    picture_.orient(orientation);
    show_view_choice();
    picture_changed();
}

void BackplotWindow::fit() {
    picture_.fit();
    picture_changed();
}

void BackplotWindow::go_to() {
    const std::wstring answer = desktop::input_box(
        window(), L"Go to line number (120) or block number (N120):", L"Go To Line");
    if (answer.empty()) return;
    const auto current = selected_item(L"Text");
    const GoTo found = backplot::go_to(picture_.plot(), typed(answer),
                                       current ? static_cast<std::int64_t>(*current) + 1 : 0);
    if (!found.line) {
        message_box(shown(found.message), 0, caption);
        return;
    }
    select_item(L"Text", static_cast<std::size_t>(*found.line - 1));
    SetFocus(control(L"Text"));
}

void BackplotWindow::open_chosen_file() {
    if (const auto chosen = choose_program(window(), path_)) open(*chosen);
}

void BackplotWindow::choose_settings_file() {
    const auto chosen = choose_settings(window(), settings_file_.value_or(path_));
    if (!chosen) return;
    settings_file_ = chosen;
    // The tool tip instead of the machine's axes: another picture, fitted anew.
    if (!path_.empty()) open(path_);
}

void BackplotWindow::show_warnings() const {
    std::vector<std::wstring> lines;
    for (const std::string& line : warning_list(picture_.plot()))
        lines.push_back(shown(line));
    if (lines.empty()) lines.push_back(L"No warnings.");
    backplot::win::show_warnings(window(), L"Warnings - " + file_name_of(path_), lines);
}

void BackplotWindow::watch_tick() {
    if (!path_.empty() && change_.look(stamp_of(path_))) open(path_, true);
}

void BackplotWindow::show_status() {
    const Plot& plot = picture_.plot();
    set_part_text(L"Status", extents_part, shown(extents_text(plot)));
    set_part_text(L"Status", motion_part, shown(motion_text(plot)));
    set_part_text(L"Status", warnings_part, shown(warnings_text(plot)));
    set_part_text(L"Status", chosen_part, shown(chosen_move_text(plot, picture_.chosen())));
}

void BackplotWindow::show_view_choice() {
    for (const auto& [command, orientation] : views)
        set_checked(command, picture_.orientation() == orientation);
}

void BackplotWindow::picture_changed() {
    redraw(L"Picture");
}

} // namespace backplot::win
