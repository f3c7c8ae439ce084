// Everything the workbench window does on a message or a click, registered in connect()
// and handled by the functions that follow it in the same order.

#include "win/plexo_window.h"

#include "commands/win/win32_shell.h"
#include "core/config_file.h"
#include "core/file_type_filter.h"
#include "core/folder_path.h"
#include "core/name_rules.h"
#include "win/apply_layout.h"
#include "win/plexo_form.h"
#include "win/system_upper.h"

#include <desktop/win32.h>

#include <tuple>
#include <utility>

namespace workbench::win {

namespace {

constexpr UINT folder_changed_message = WM_APP + 1;
constexpr UINT_PTR refresh_timer = 1;
// Changes come in bursts (a post-processor writing its outputs, a copy of many files):
// the lists are read again at most this often.
constexpr UINT refresh_delay_ms = 250;

// Plexo.cfg in the program's folder; none when that folder cannot be had.
std::wstring config_file_path() {
    const std::wstring folder = desktop::program_folder();
    return folder.empty() ? folder : folder + L"\\" + std::wstring(config_file_name);
}

} // namespace

PlexoWindow::PlexoWindow() : PlexoWindow(config_file_path(), nullptr) {}

PlexoWindow::PlexoWindow(std::wstring config_path, Shell& shell)
    : PlexoWindow(std::move(config_path), &shell) {}

PlexoWindow::PlexoWindow(std::wstring config_path, Shell* shell)
    : Form(plexo_form()), config_path_(std::move(config_path)),
      // The programs it starts are watched: their end re-reads the CL file list.
      own_shell_(shell ? nullptr
                       : std::make_unique<Win32Shell>(
                             window(), [this](HANDLE process) { watch_.watch_process(process); })),
      shell_(shell ? *shell : *own_shell_),
      cl_(control(L"DriveAPT"), control(L"DirAPT"), control(L"FilAPT")),
      pp_(control(L"DrivePP"), control(L"DirPosts"), control(L"FilPosts")),
      commands_(state_, *this, shell_, system_upper), watch_(window(), folder_changed_message) {
    // Like any new drive, folder and file list, the panes start on the current folder. Both
    // list the same drives, asked for once; the folder and file lists show only the folders
    // they end on. Each list box filled and each drive asked costs noticeable time under Wine.
    const auto drives = drive_items();
    for (FilePane* pane : {&cl_, &pp_}) {
        pane->hold_lists(true);
        pane->drives().refill(drives);
        if (pane->open_folder(L".") != 0) pane->open_folder(L"\\");
        pane->show_drive_of_folder();
    }
    connect();
    start_up();
    for (FilePane* pane : {&cl_, &pp_})
        pane->hold_lists(false);
    layout();
}

void PlexoWindow::connect() {
    // The command buttons.
    const struct {
        std::wstring_view button;
        void (Commands::*command)();
    } buttons[] = {
        {L"CmdPost", &Commands::post},
        {L"CmdEdit", &Commands::edit},
        {L"CmdPrint", &Commands::open_users_guide},
        {L"CmdDelete", &Commands::delete_cl_file},
        {L"CmdInsPP", &Commands::install_pp},
        {L"CmdDelPP", &Commands::remove_pp},
        {L"CmdHelp", &Commands::pp_help},
    };
    for (const auto& [button, command] : buttons)
        on_click(button, [this, command] { (commands_.*command)(); });
    for (int number = 1; number <= 3; ++number)
        on_click(user_buttons[number - 1], [this, number] { commands_.user(number); });
    on_click(L"CmdExit", [this] { exit(); });

    // The file type and the two file lists.
    on_command(L"CmbType", CBN_SELCHANGE, [this] { file_type_chosen(); });
    on_command(L"FilAPT", LBN_SELCHANGE, [this] { cl_file_clicked(); });
    on_command(L"FilAPT", LBN_DBLCLK, [this] { cl_file_opened(); });
    on_command(L"FilPosts", LBN_SELCHANGE, [this] { pp_file_clicked(); });

    // The drive and folder lists of both panes.
    for (auto [pane, drives, folders] :
         {std::tuple{&cl_, L"DriveAPT", L"DirAPT"}, std::tuple{&pp_, L"DrivePP", L"DirPosts"}}) {
        on_command(drives, CBN_SELCHANGE, [this, pane] { drive_chosen(*pane); });
        // Drives come and go (a memory stick): the list is made anew when it opens.
        on_command(drives, CBN_DROPDOWN, [pane] { pane->drives().refill(); });
        on_command(folders, LBN_DBLCLK, [this, pane] { folder_opened(*pane); });
    }

    // The window's own messages.
    on_message(WM_MEASUREITEM, [this](WPARAM, LPARAM lparam) {
        return measure_folder_item(*reinterpret_cast<MEASUREITEMSTRUCT*>(lparam));
    });
    on_message(WM_DRAWITEM, [this](WPARAM, LPARAM lparam) {
        return draw_folder_item(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
    });
    on_message(WM_SIZE, [this](WPARAM, LPARAM) -> std::optional<LRESULT> {
        layout();
        return std::nullopt;
    });
    on_message(folder_changed_message, [this](WPARAM what, LPARAM) -> std::optional<LRESULT> {
        folders_changed(what);
        return 0;
    });
    on_message(WM_TIMER, [this](WPARAM timer, LPARAM) -> std::optional<LRESULT> {
        if (timer != refresh_timer) return std::nullopt;
        refresh_changed_panes();
        return 0;
    });
}

// CmdExit: saves the folders and captions when the mode word asks for it, then ends.
void PlexoWindow::exit() {
    save_settings();
    close();
}

void PlexoWindow::file_type_chosen() {
    const auto position = SendMessageW(control(L"CmbType"), CB_GETCURSEL, 0, 0);
    if (const auto pattern = file_type_pattern(static_cast<int>(position), state_.cl_file))
        set_cl_pattern(*pattern);
}

void PlexoWindow::cl_file_clicked() {
    if (const auto name = desktop::selected_item_text(cl_.files().handle())) state_.cl_file = *name;
}

// A double-click chooses the file as a click does, then edits it.
void PlexoWindow::cl_file_opened() {
    cl_file_clicked();
    commands_.edit();
}

void PlexoWindow::pp_file_clicked() {
    if (const auto name = desktop::selected_item_text(pp_.files().handle()))
        state_.pp_name = pp_name_of(*name);
}

void PlexoWindow::drive_chosen(FilePane& pane) {
    const auto failure = pane.drive_chosen();
    watch_open_folders();
    if (failure) tell(*failure);
}

void PlexoWindow::folder_opened(FilePane& pane) {
    const int index = desktop::selected_index(pane.folders().handle()).value_or(-1);
    const auto failure = pane.folder_item_opened(index);
    watch_open_folders();
    if (failure) tell(*failure);
}

FolderList* PlexoWindow::folder_list(UINT control_id) {
    for (FilePane* pane : {&cl_, &pp_})
        if (GetDlgCtrlID(pane->folders().handle()) == static_cast<int>(control_id))
            return &pane->folders();
    return nullptr;
}

std::optional<LRESULT> PlexoWindow::measure_folder_item(MEASUREITEMSTRUCT& item) {
    FolderList* list = folder_list(item.CtlID);
    if (!list) return std::nullopt;
    list->measure(item, dpi());
    return TRUE;
}

std::optional<LRESULT> PlexoWindow::draw_folder_item(const DRAWITEMSTRUCT& item) {
    const FolderList* list = folder_list(item.CtlID);
    if (!list) return std::nullopt;
    list->draw(item, dpi());
    return TRUE;
}

void PlexoWindow::layout() {
    if (!apply_layout(*this)) return;
    // The folder lists' rows follow the font, which follows the DPI.
    for (FilePane* pane : {&cl_, &pp_}) {
        MEASUREITEMSTRUCT item{};
        pane->folders().measure(item, dpi());
        SendMessageW(pane->folders().handle(), LB_SETITEMHEIGHT, 0, item.itemHeight);
    }
}

// The watch saw a change; the lists are read again once the burst it may belong to is over.
void PlexoWindow::folders_changed(WPARAM what) {
    changed_panes_ |= what == ChangeWatch::pp_folder ? 2u : 1u; // a program's end: the CL list
    if (refresh_pending_) return;
    refresh_pending_ = SetTimer(window(), refresh_timer, refresh_delay_ms, nullptr) != 0;
}

void PlexoWindow::refresh_changed_panes() {
    KillTimer(window(), refresh_timer);
    refresh_pending_ = false;
    const unsigned changed = std::exchange(changed_panes_, 0u);
    if (changed & 1u) refresh(cl_);
    if (changed & 2u) refresh(pp_);
}

// The pane reads its folder again, keeping the file pattern and the highlighted file. A
// folder that is gone is reported once: the pane first goes to the nearest folder above it
// that still exists, so later changes find nothing more to report.
void PlexoWindow::refresh(FilePane& pane) {
    const std::wstring folder = pane.folders().path();
    if (pane.open_folder(folder) == 0) return;
    const auto levels = folder_levels(folder);
    for (std::size_t count = levels.size() - 1; count > 0; --count)
        if (pane.open_folder(folder_path(levels, count)) == 0) break;
    pane.show_drive_of_folder();
    watch_open_folders();
    tell(L"The folder " + folder + L" can no longer be read; the list shows " +
         pane.folders().path() + L" instead.");
}

void PlexoWindow::watch_open_folders() {
    watch_.watch_folder(ChangeWatch::cl_folder, cl_folder());
    watch_.watch_folder(ChangeWatch::pp_folder, pp_folder());
}

void PlexoWindow::set_cl_pattern(const std::wstring& pattern) {
    cl_.files().set_pattern(pattern);
    reread_cl_files();
}

void PlexoWindow::tell(const std::wstring& text) {
    shell_.message_box(text, ok_only, program_title);
}

} // namespace workbench::win
