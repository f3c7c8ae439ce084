#pragma once
// The workbench window FrmPlexo: the control table made real, the two file-selection
// panes, the window state the commands share, start-up from Plexo.cfg, the layout rule on
// every resize, and Exit.

#include "commands/panes.h"
#include "core/window_state.h"
#include "win/file_pane.h"

#include <desktop/form.h>

#include <string>

namespace workbench::win {

class PlexoWindow : public Panes {
public:
    // Creates the window (not shown yet) and runs start-up with the configuration file at
    // `config_path`; start-up's message boxes go through `message_box` when given.
    explicit PlexoWindow(std::wstring config_path, desktop::MessageBoxFunction message_box = {});

    desktop::Form& form() { return form_; }
    WindowState& state() { return state_; }

    // The layout rule for the window's present outer size.
    void layout();
    // CmdExit: saves the folders and captions when the mode word asks for it, then ends.
    void exit();

    // Panes
    std::wstring cl_folder() const override { return cl_.folders().path(); }
    std::wstring pp_folder() const override { return pp_.folders().path(); }
    void set_cl_pattern(const std::wstring& pattern) override;
    void reread_cl_files() override { cl_.files().reread(); }
    void reread_pp_files() override { pp_.files().reread(); }

private:
    void connect_events();
    void start_up();
    void start_up_failed();
    void file_type_chosen();
    void tell(const std::wstring& text);

    desktop::Form form_;
    std::wstring config_path_;
    WindowState state_;
    FilePane cl_;
    FilePane pp_;
};

} // namespace workbench::win
