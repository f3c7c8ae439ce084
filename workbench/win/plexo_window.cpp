// The workbench window's wiring: connect() registers every click and message it handles,
// each handed to the panes, the commands, the watches, start-up or Exit.

#include "win/plexo_window.h"

#include "commands/win/win32_shell.h"
#include "core/config_file.h"
#include "win/apply_layout.h"
#include "win/file_menu.h"
#include "win/plexo_form.h"
#include "win/system_upper.h"

#include <desktop/win32.h>

#include <tuple>
#include <utility>

namespace workbench::win {

namespace {

constexpr std::wstring_view user_buttons[] = {L"CmdUser1", L"CmdUser2", L"CmdUser3"};

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
      // The programs it starts are watched for their end.
      own_shell_(shell ? nullptr
                       : std::make_unique<Win32Shell>(
                             window(), [this](HANDLE process) { program_watch_.watch(process); })),
      shell_(shell ? *shell : *own_shell_), panes_(*this, state_),
      commands_(state_, panes_, shell_, system_upper),
      folder_watch_(*this, folder_changed_message,
                    [this](PaneSide side) {
                        tell(panes_.read_again(side));
                        watch_open_folders();
                    }),
      program_watch_(window(), program_ended_message) {
    connect();
    user_captions_ = start_up(panes_, state_, shell_, config_path_);
    for (std::size_t n = 0; n < user_captions_.size(); ++n)
        set_text(user_buttons[n], without_access_key(user_captions_[n]));
    panes_.hold_lists(false);
    watch_open_folders();
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
    // Exit saves the folders and captions when the mode word asks for it, then ends.
    on_click(L"CmdExit", [this] {
        save_settings(panes_, state_, user_captions_, shell_, config_path_);
        close();
    });

    // The file type and the two file lists; a double-click chooses a CL file, then edits it.
    on_command(L"CmbType", CBN_SELCHANGE, [this] { panes_.file_type_chosen(); });
    on_command(L"FilAPT", LBN_SELCHANGE, [this] { panes_.cl_file_clicked(); });
    on_command(L"FilAPT", LBN_DBLCLK, [this] {
        panes_.cl_file_clicked();
        commands_.edit();
    });
    on_command(L"FilPosts", LBN_SELCHANGE, [this] { panes_.pp_file_clicked(); });
    // FilAPT's context menu: the file it is about is chosen as a click chooses it.
    on_message(WM_CONTEXTMENU, [this](WPARAM target, LPARAM where) -> std::optional<LRESULT> {
        const HWND files = control(L"FilAPT");
        if (reinterpret_cast<HWND>(target) != files) return std::nullopt;
        if (!choose_menu_file(files, where)) return 0;
        panes_.cl_file_clicked();
        if (show_file_menu(window(), files, where) == FileMenuCommand::plot)
            commands_.plot(desktop::program_folder());
        return 0;
    });

    // The drive and folder lists of both panes.
    for (auto [side, drives, folders] : {std::tuple{PaneSide::cl, L"DriveAPT", L"DirAPT"},
                                         std::tuple{PaneSide::pp, L"DrivePP", L"DirPosts"}}) {
        on_command(drives, CBN_SELCHANGE, [this, side] {
            const auto failure = panes_.drive_chosen(side);
            watch_open_folders();
            tell(failure);
        });
        on_command(drives, CBN_DROPDOWN, [this, side] { panes_.drive_list_opened(side); });
        on_command(folders, LBN_DBLCLK, [this, side] {
            const auto failure = panes_.folder_opened(side);
            watch_open_folders();
            tell(failure);
        });
    }

    // The window's own messages.
    on_message(WM_MEASUREITEM, [this](WPARAM, LPARAM item) -> std::optional<LRESULT> {
        if (!panes_.measure_item(*reinterpret_cast<MEASUREITEMSTRUCT*>(item), dpi()))
            return std::nullopt;
        return TRUE;
    });
    on_message(WM_DRAWITEM, [this](WPARAM, LPARAM item) -> std::optional<LRESULT> {
        if (!panes_.draw_item(*reinterpret_cast<const DRAWITEMSTRUCT*>(item), dpi()))
            return std::nullopt;
        return TRUE;
    });
    on_message(WM_SIZE, [this](WPARAM, LPARAM) -> std::optional<LRESULT> {
        layout();
        return std::nullopt;
    });
    on_message(folder_changed_message, [this](WPARAM side, LPARAM) -> std::optional<LRESULT> {
        folder_watch_.changed(static_cast<PaneSide>(side));
        return 0;
    });
    // A started program's end: what it wrote shows in the CL file list, and a
    // post-processing run that failed is told.
    on_message(program_ended_message,
               [this](WPARAM task_id, LPARAM exit_code) -> std::optional<LRESULT> {
                   folder_watch_.changed(PaneSide::cl);
                   commands_.program_ended(static_cast<unsigned long>(task_id),
                                           static_cast<unsigned long>(exit_code));
                   return 0;
               });
}

void PlexoWindow::layout() {
    if (apply_layout(*this)) panes_.fit_folder_rows(dpi());
}

void PlexoWindow::watch_open_folders() {
    for (const PaneSide side : both_sides)
        folder_watch_.watch(side, panes_.folder(side));
}

void PlexoWindow::tell(const std::optional<std::wstring>& text) {
    if (text) shell_.message_box(*text, ok_only, program_title);
}

} // namespace workbench::win
