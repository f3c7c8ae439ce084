#pragma once
// The workbench window FrmPlexo: its controls and messages connected to the panes, the
// commands, the watches of folders and started programs, start-up, Exit and the layout rule.

#include "commands/commands.h"
#include "commands/shell.h"
#include "core/window_state.h"
#include "win/folder_watch.h"
#include "win/plexo_panes.h"
#include "win/program_watch.h"
#include "win/start_up.h"

#include <desktop/form.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace workbench::win {

// What the watches post to the window: a change in a pane's folder (the PaneSide as WPARAM),
// a started program's end (task id and exit code).
inline constexpr UINT folder_changed_message = WM_APP + 1;
inline constexpr UINT program_ended_message = WM_APP + 2;

class PlexoWindow : public desktop::Form {
public:
    static constexpr std::wstring_view caption = program_title;

    // The program's window: Plexo.cfg in the program's folder, the real Shell.
    PlexoWindow();
    // Creates the window (not shown yet) and runs start-up with the configuration file at
    // `config_path`; every message box, start and deletion goes through `shell`, which
    // must outlive the window.
    PlexoWindow(std::wstring config_path, Shell& shell);

    WindowState& state() { return state_; }
    const PlexoPanes& panes() const { return panes_; }

private:
    // Without a shell the window makes the real one, which needs the window's handle.
    PlexoWindow(std::wstring config_path, Shell* shell);
    void connect();
    void layout();
    void watch_open_folders();
    void tell(const std::optional<std::wstring>& text);

    std::wstring config_path_;
    std::unique_ptr<Shell> own_shell_;
    Shell& shell_;
    WindowState state_;
    UserCaptions user_captions_;
    PlexoPanes panes_;
    Commands commands_;
    FolderWatch folder_watch_;
    ProgramWatch program_watch_;
};

} // namespace workbench::win
