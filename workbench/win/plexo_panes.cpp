#include "win/plexo_panes.h"

#include "core/file_type_filter.h"
#include "core/folder_path.h"
#include "core/name_rules.h"

#include <desktop/win32.h>

namespace workbench::win {

PlexoPanes::PlexoPanes(desktop::Form& form, WindowState& state)
    : state_(state), types_(form.control(L"CmbType")),
      cl_(form.control(L"DriveAPT"), form.control(L"DirAPT"), form.control(L"FilAPT")),
      pp_(form.control(L"DrivePP"), form.control(L"DirPosts"), form.control(L"FilPosts")) {
    // Both list the same drives, asked for once; the folder and file lists show only the
    // folders they end on. Each list box filled and each drive asked costs noticeable time
    // under Wine.
    const auto drives = drive_items();
    for (FilePane* pane : {&cl_, &pp_}) {
        pane->hold_lists(true);
        pane->drives().refill(drives);
        if (pane->open_folder(L".") != 0) pane->open_folder(L"\\");
        pane->show_drive_of_folder();
    }
}

void PlexoPanes::hold_lists(bool held) {
    for (FilePane* pane : {&cl_, &pp_})
        pane->hold_lists(held);
}

void PlexoPanes::set_cl_pattern(const std::wstring& pattern) {
    cl_.files().set_pattern(pattern);
    reread_cl_files();
}

void PlexoPanes::fill_file_types() {
    for (const FileType& type : file_types) {
        const std::wstring entry(type.entry);
        SendMessageW(types_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    }
}

void PlexoPanes::file_type_chosen() {
    const auto position = SendMessageW(types_, CB_GETCURSEL, 0, 0);
    if (const auto pattern = file_type_pattern(static_cast<int>(position), state_.cl_file))
        set_cl_pattern(*pattern);
}

void PlexoPanes::choose_file_type(int position) {
    SendMessageW(types_, CB_SETCURSEL, position, 0);
    file_type_chosen();
}

void PlexoPanes::cl_file_clicked() {
    if (const auto name = desktop::selected_item_text(cl_.files().handle())) state_.cl_file = *name;
}

void PlexoPanes::pp_file_clicked() {
    if (const auto name = desktop::selected_item_text(pp_.files().handle()))
        state_.pp_name = pp_name_of(*name);
}

std::optional<std::wstring> PlexoPanes::folder_opened(PaneSide side) {
    FilePane& opened = pane(side);
    const int index = desktop::selected_index(opened.folders().handle()).value_or(-1);
    return opened.folder_item_opened(index);
}

// A folder that is gone is told once: the pane first goes to the nearest folder above it
// that still exists, so later changes find nothing more to tell.
std::optional<std::wstring> PlexoPanes::read_again(PaneSide side) {
    FilePane& changed = pane(side);
    const std::wstring folder = changed.folders().path();
    if (changed.open_folder(folder) == 0) return std::nullopt;
    const auto levels = folder_levels(folder);
    for (std::size_t count = levels.size() - 1; count > 0; --count)
        if (changed.open_folder(folder_path(levels, count)) == 0) break;
    changed.show_drive_of_folder();
    return L"The folder " + folder + L" can no longer be read; the list shows " +
           changed.folders().path() + L" instead.";
}

FolderList* PlexoPanes::folder_list(UINT control_id) {
    for (FilePane* pane : {&cl_, &pp_})
        if (GetDlgCtrlID(pane->folders().handle()) == static_cast<int>(control_id))
            return &pane->folders();
    return nullptr;
}

bool PlexoPanes::measure_item(MEASUREITEMSTRUCT& item, int dpi) {
    FolderList* list = folder_list(item.CtlID);
    if (list) list->measure(item, dpi);
    return list != nullptr;
}

bool PlexoPanes::draw_item(const DRAWITEMSTRUCT& item, int dpi) {
    const FolderList* list = folder_list(item.CtlID);
    if (list) list->draw(item, dpi);
    return list != nullptr;
}

void PlexoPanes::fit_folder_rows(int dpi) {
    for (FilePane* pane : {&cl_, &pp_}) {
        MEASUREITEMSTRUCT item{};
        pane->folders().measure(item, dpi);
        SendMessageW(pane->folders().handle(), LB_SETITEMHEIGHT, 0, item.itemHeight);
    }
}

} // namespace workbench::win
