#pragma once
// The workbench window FrmPlexo: the control table made real, the two file-selection
// panes, the window state and the commands it runs, start-up from Plexo.cfg, the layout
// rule on every resize, and Exit.

#include "commands/commands.h"
#include "commands/panes.h"
#include "commands/shell.h"
#include "core/window_state.h"
#include "win/change_watch.h"
#include "win/file_pane.h"

#include <desktop/form.h>

#include <array>
#include <memory>
#include <string>
#include <string_view>

namespace workbench::win {

inline constexpr std::wstring_view user_buttons[] = {L"CmdUser1", L"CmdUser2", L"CmdUser3"};

class PlexoWindow : public desktop::Form, public Panes {
public:
    static constexpr std::wstring_view caption = program_title;

    // The program's window: Plexo.cfg in the program's folder, the real Shell.
    PlexoWindow();
    // Creates the window (not shown yet) and runs start-up with the configuration file at
    // `config_path`; every message box, start and deletion goes through `shell`, which
    // must outlive the window.
    PlexoWindow(std::wstring config_path, Shell& shell);

    WindowState& state() { return state_; }

    // Panes
    std::wstring cl_folder() const override { return cl_.folders().path(); }
    std::wstring pp_folder() const override { return pp_.folders().path(); }
    void set_cl_pattern(const std::wstring& pattern) override;
    void reread_cl_files() override { cl_.files().show_folder(cl_folder()); }
    void reread_pp_files() override { pp_.files().show_folder(pp_folder()); }

private:
    // Without a shell the window makes the real one, which needs the window's handle.
    PlexoWindow(std::wstring config_path, Shell* shell);
    void connect();

    // The handlers, in the order connect() registers them.
    void exit();
    void file_type_chosen();
    void cl_file_clicked();
    void cl_file_opened();
    void pp_file_clicked();
    void drive_chosen(FilePane& pane);
    void folder_opened(FilePane& pane);
    FolderList* folder_list(UINT control_id);
    std::optional<LRESULT> measure_folder_item(MEASUREITEMSTRUCT& item);
    std::optional<LRESULT> draw_folder_item(const DRAWITEMSTRUCT& item);
    void layout();
    void folders_changed(WPARAM what);
    void refresh_changed_panes();
    void refresh(FilePane& pane);
    void watch_open_folders();

    // Start-up from Plexo.cfg and its saving at Exit (start_up.cpp).
    void start_up();
    void start_up_failed();
    void save_settings();

    void tell(const std::wstring& text);

    std::wstring config_path_;
    std::unique_ptr<Shell> own_shell_;
    Shell& shell_;
    WindowState state_;
    std::array<std::wstring, 3> user_captions_; // as Plexo.cfg holds them
    FilePane cl_;
    FilePane pp_;
    Commands commands_;
    ChangeWatch watch_;
    unsigned changed_panes_ = 0; // to read again: 1 the CL pane, 2 the PP pane
    bool refresh_pending_ = false;
};

} // namespace workbench::win
