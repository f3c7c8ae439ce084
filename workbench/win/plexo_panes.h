#pragma once
// The window's two file-selection panes, as the commands see them (Panes) and as the
// window's handlers move them: the CL pane (DriveAPT, DirAPT and FilAPT, whose files the
// file-type list CmbType chooses) and the post-processor pane (DrivePP, DirPosts and
// FilPosts). A click in a file list records the user's choice in the window state.

#include "commands/panes.h"
#include "core/window_state.h"
#include "win/file_pane.h"
#include "win/pane_side.h"

#include <desktop/form.h>

#include <optional>
#include <string>

namespace workbench::win {

class PlexoPanes : public Panes {
public:
    // Like any new drive, folder and file list, both panes start on the current folder,
    // their folder and file lists held (FilePane::hold_lists) until hold_lists(false).
    PlexoPanes(desktop::Form& form, WindowState& state);

    FilePane& pane(PaneSide side) { return side == PaneSide::cl ? cl_ : pp_; }
    const FilePane& pane(PaneSide side) const { return side == PaneSide::cl ? cl_ : pp_; }
    std::wstring folder(PaneSide side) const { return pane(side).folders().path(); }
    void hold_lists(bool held);

    // Panes
    std::wstring cl_folder() const override { return folder(PaneSide::cl); }
    std::wstring pp_folder() const override { return folder(PaneSide::pp); }
    void set_cl_pattern(const std::wstring& pattern) override;
    void reread_cl_files() override { cl_.files().show_folder(cl_folder()); }
    void reread_pp_files() override { pp_.files().show_folder(pp_folder()); }

    // CmbType's entries, none chosen yet.
    void fill_file_types();
    // An entry chosen in CmbType: FilAPT's pattern follows it.
    void file_type_chosen();
    // Chooses the entry at `position` as the user would.
    void choose_file_type(int position);
    // A click in FilAPT sets CLFile, one in FilPosts PPName.
    void cl_file_clicked();
    void pp_file_clicked();

    // The pane's drive list opens: the drives are listed anew (a memory stick comes and goes).
    void drive_list_opened(PaneSide side) { pane(side).drives().refill(); }
    // These return the words for the user when the pane could not do it.
    std::optional<std::wstring> drive_chosen(PaneSide side) { return pane(side).drive_chosen(); }
    std::optional<std::wstring> folder_opened(PaneSide side);
    // The pane reads its folder again, keeping the file pattern; a folder that is gone is
    // told, and the pane goes to the nearest folder above it that still exists.
    std::optional<std::wstring> read_again(PaneSide side);

    // The folder lists' items are owner-drawn; false for a control that is none of them.
    bool measure_item(MEASUREITEMSTRUCT& item, int dpi);
    bool draw_item(const DRAWITEMSTRUCT& item, int dpi);
    // The folder lists' rows follow the font, which follows the DPI.
    void fit_folder_rows(int dpi);

private:
    FolderList* folder_list(UINT control_id);

    WindowState& state_;
    HWND types_;
    FilePane cl_;
    FilePane pp_;
};

} // namespace workbench::win
