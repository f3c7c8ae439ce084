#include "win/folder_list.h"

#include "core/folder_path.h"

#include <desktop/win32.h>

#include <algorithm>

namespace workbench::win {
namespace {

using desktop::scale_to_dpi;

// A folder glyph in the box `box`: the tab and body of a closed folder, or an open one
// whose front flap leans forward.
void draw_folder_glyph(HDC dc, RECT box, bool open, int dpi) {
    const int w = box.right - box.left, h = box.bottom - box.top;
    auto at = [&](int x_percent, int y_percent) {
        return POINT{box.left + w * x_percent / 100, box.top + h * y_percent / 100};
    };
    const desktop::Pen pen(CreatePen(PS_SOLID, std::max(1, scale_to_dpi(1, dpi)), RGB(128, 96, 0)));
    const desktop::Brush back(CreateSolidBrush(RGB(230, 190, 60)));
    const desktop::Brush front(CreateSolidBrush(RGB(255, 220, 110)));
    const desktop::Selection pen_used(dc, pen.get());
    // The brush first selected is the one given back at the end.
    const desktop::Selection brush_used(dc, back.get());
    const POINT body[] = {at(0, 15), at(40, 15), at(50, 30), at(100, 30), at(100, 95), at(0, 95)};
    Polygon(dc, body, 6);
    SelectObject(dc, front.get());
    if (open) {
        const POINT flap[] = {at(20, 50), at(100, 50), at(80, 95), at(0, 95)};
        Polygon(dc, flap, 4);
    } else {
        const POINT flap[] = {at(0, 42), at(100, 42), at(100, 95), at(0, 95)};
        Polygon(dc, flap, 4);
    }
}

} // namespace

void FolderList::show(const std::wstring& path, const std::vector<std::wstring>& subfolders) {
    path_ = path;
    levels_ = folder_levels(path);
    subfolders_ = subfolders;
    refill();
}

void FolderList::fill() {
    std::vector<std::wstring> items = levels_;
    items.insert(items.end(), subfolders_.begin(), subfolders_.end());
    std::vector<std::wstring> folders(items.size());
    for (std::size_t index = 0; index < items.size(); ++index)
        folders[index] = workbench::folder_of_item(levels_, index, items[index]);
    // The same folder read again keeps the user's place: the highlighted folder and the one
    // at the top stay where they are. Another folder shows itself highlighted.
    const std::size_t open_folder = levels_.size() - 1;
    const bool again = path_ == filled_path_;
    const ListPlace kept = again ? kept_place(filled_folders_, place(), folders) : ListPlace{};
    replace_items(items);
    show_place(kept.highlighted.value_or(open_folder),
               again ? std::optional(kept.top) : std::nullopt);
    filled_path_ = path_;
    filled_folders_ = std::move(folders);
}

void FolderList::select_open_folder() {
    SendMessageW(list_, LB_SETCURSEL, levels_.size() - 1, 0);
}

std::wstring FolderList::folder_of_item(int index) const {
    const auto count = SendMessageW(list_, LB_GETCOUNT, 0, 0);
    if (index < 0 || index >= count) return {};
    return workbench::folder_of_item(levels_, static_cast<std::size_t>(index),
                                     desktop::list_item_text(list_, index));
}

void FolderList::measure(MEASUREITEMSTRUCT& item, int dpi) const {
    TEXTMETRICW metrics;
    {
        const desktop::WindowDc dc(list_);
        const desktop::Selection font(
            dc, reinterpret_cast<HFONT>(SendMessageW(list_, WM_GETFONT, 0, 0)));
        GetTextMetricsW(dc, &metrics);
    }
    item.itemHeight = static_cast<UINT>(std::max<int>(metrics.tmHeight, scale_to_dpi(16, dpi)) +
                                        scale_to_dpi(2, dpi));
}

void FolderList::draw(const DRAWITEMSTRUCT& item, int dpi) const {
    if (item.itemID == static_cast<UINT>(-1)) return;
    const HDC dc = item.hDC;
    const bool selected = item.itemState & ODS_SELECTED;
    FillRect(dc, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));

    const auto index = static_cast<std::size_t>(item.itemID);
    const bool is_level = index < levels_.size();
    const int indent = static_cast<int>(is_level ? index : levels_.size());
    const int step = scale_to_dpi(12, dpi), glyph = scale_to_dpi(16, dpi);
    const int height = item.rcItem.bottom - item.rcItem.top;
    RECT box{item.rcItem.left + scale_to_dpi(2, dpi) + indent * step,
             item.rcItem.top + (height - glyph) / 2, 0, 0};
    box.right = box.left + glyph;
    box.bottom = box.top + glyph;
    draw_folder_glyph(dc, box, is_level, dpi);

    const std::wstring text = desktop::list_item_text(list_, static_cast<int>(index));
    RECT text_box = item.rcItem;
    text_box.left = box.right + scale_to_dpi(4, dpi);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &text_box,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &item.rcItem);
}

} // namespace workbench::win
