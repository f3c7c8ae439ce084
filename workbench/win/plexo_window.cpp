#include "win/plexo_window.h"

#include "core/file_type_filter.h"
#include "core/layout_rule.h"
#include "core/name_rules.h"
#include "win/file_system.h"
#include "win/plexo_form.h"

#include <map>

namespace workbench::win {

PlexoWindow::PlexoWindow(std::wstring config_path, desktop::MessageBoxFunction message_box)
    : form_(plexo_form()), config_path_(std::move(config_path)),
      cl_(form_.control(L"DriveAPT"), form_.control(L"DirAPT"), form_.control(L"FilAPT")),
      pp_(form_.control(L"DrivePP"), form_.control(L"DirPosts"), form_.control(L"FilPosts")) {
    if (message_box) form_.set_message_box(std::move(message_box));
    // Like any new drive, folder and file list, the panes start on the current folder.
    for (FilePane* pane : {&cl_, &pp_}) {
        pane->drives().refill();
        if (pane->open_folder(L".") != 0) pane->open_folder(L"\\");
        pane->show_drive_of_folder();
    }
    connect_events();
    start_up();
    layout();
}

void PlexoWindow::tell(const std::wstring& text) {
    form_.message_box(text, 0, plexo_title);
}

void PlexoWindow::connect_events() {
    form_.on_command(L"CmbType", CBN_SELCHANGE, [this] { file_type_chosen(); });

    const auto clicked_cl_file = [this] {
        const auto index = SendMessageW(cl_.files().handle(), LB_GETCURSEL, 0, 0);
        if (index != LB_ERR) state_.cl_file = cl_.files().item(static_cast<int>(index));
    };
    form_.on_command(L"FilAPT", LBN_SELCHANGE, clicked_cl_file);
    // Replaced by the commands' own handler (choose, then edit) when they are connected.
    form_.on_command(L"FilAPT", LBN_DBLCLK, clicked_cl_file);
    form_.on_command(L"FilPosts", LBN_SELCHANGE, [this] {
        const auto index = SendMessageW(pp_.files().handle(), LB_GETCURSEL, 0, 0);
        if (index != LB_ERR) state_.pp_name = pp_name_of(pp_.files().item(static_cast<int>(index)));
    });

    for (auto [pane, drives, folders] :
         {std::tuple{&cl_, L"DriveAPT", L"DirAPT"}, std::tuple{&pp_, L"DrivePP", L"DirPosts"}}) {
        form_.on_command(drives, CBN_SELCHANGE, [this, pane] {
            if (const auto failure = pane->drive_chosen()) tell(*failure);
        });
        // Drives come and go (a memory stick): the list is made anew when it opens.
        form_.on_command(drives, CBN_DROPDOWN, [pane] { pane->drives().refill(); });
        form_.on_command(folders, LBN_DBLCLK, [this, pane] {
            const auto index = SendMessageW(pane->folders().handle(), LB_GETCURSEL, 0, 0);
            if (const auto failure = pane->folder_item_opened(static_cast<int>(index)))
                tell(*failure);
        });
    }

    const auto folder_list_of = [this](UINT id) -> FolderList* {
        for (FilePane* pane : {&cl_, &pp_})
            if (GetDlgCtrlID(pane->folders().handle()) == static_cast<int>(id))
                return &pane->folders();
        return nullptr;
    };
    form_.on_message(WM_MEASUREITEM,
                     [this, folder_list_of](WPARAM, LPARAM lparam) -> std::optional<LRESULT> {
                         auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lparam);
                         if (FolderList* list = folder_list_of(item.CtlID)) {
                             list->measure(item, form_.dpi());
                             return TRUE;
                         }
                         return std::nullopt;
                     });
    form_.on_message(WM_DRAWITEM,
                     [this, folder_list_of](WPARAM, LPARAM lparam) -> std::optional<LRESULT> {
                         const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
                         if (const FolderList* list = folder_list_of(item.CtlID)) {
                             list->draw(item, form_.dpi());
                             return TRUE;
                         }
                         return std::nullopt;
                     });

    form_.on_message(WM_SIZE, [this](WPARAM, LPARAM) -> std::optional<LRESULT> {
        layout();
        return std::nullopt;
    });
    form_.on_click(L"CmdExit", [this] { exit(); });

    // The command buttons and the double-click in FilAPT are connected to the commands
    // by the program (see main.cpp), which owns the real shell they start programs with.
}

void PlexoWindow::file_type_chosen() {
    const auto position = SendMessageW(form_.control(L"CmbType"), CB_GETCURSEL, 0, 0);
    if (const auto pattern = file_type_pattern(static_cast<int>(position), state_.cl_file))
        set_cl_pattern(*pattern);
}

void PlexoWindow::set_cl_pattern(const std::wstring& pattern) {
    cl_.files().set_pattern(pattern);
    cl_.files().reread();
}

void PlexoWindow::layout() {
    RECT outer;
    if (!GetWindowRect(form_.window(), &outer)) return;
    const double twips_per_pixel = 1440.0 / form_.dpi();
    const auto steps = layout_steps((outer.right - outer.left) * twips_per_pixel,
                                    (outer.bottom - outer.top) * twips_per_pixel);
    if (steps.empty()) return;

    // The steps set one property at a time; each control is then placed once.
    std::map<std::wstring_view, RECT> boxes;
    std::map<std::wstring_view, desktop::Line> lines;
    for (const LayoutStep& step : steps) {
        if (step.property == Property::x1 || step.property == Property::x2) {
            auto [line, added] = lines.try_emplace(step.control, form_.line(step.control));
            (step.property == Property::x1 ? line->second.x1 : line->second.x2) = step.value;
            continue;
        }
        auto [box, added] = boxes.try_emplace(step.control, form_.bounds(step.control));
        RECT& r = box->second;
        switch (step.property) {
        case Property::left:
            OffsetRect(&r, step.value - r.left, 0);
            break;
        case Property::top:
            OffsetRect(&r, 0, step.value - r.top);
            break;
        case Property::width:
            r.right = r.left + step.value;
            break;
        case Property::height:
            r.bottom = r.top + step.value;
            break;
        default:
            break;
        }
    }
    for (const auto& [name, r] : boxes)
        form_.set_bounds(name, r.left, r.top, r.right - r.left, r.bottom - r.top);
    for (const auto& [name, line] : lines)
        form_.set_line(name, line.x1, line.y1, line.x2, line.y2);

    // The folder lists' rows follow the font, which follows the DPI.
    for (FilePane* pane : {&cl_, &pp_}) {
        MEASUREITEMSTRUCT item{};
        pane->folders().measure(item, form_.dpi());
        SendMessageW(pane->folders().handle(), LB_SETITEMHEIGHT, 0, item.itemHeight);
    }
}

} // namespace workbench::win
