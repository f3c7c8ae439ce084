// Status bars: their parts, in twips or as wide as their texts, placed again at every DPI.

#include "form_parts.h"

#include <commctrl.h>

#include <stdexcept>

namespace desktop {

using namespace detail;

namespace {

void expect_status_bar(Kind kind) {
    if (kind != Kind::status_bar) throw std::logic_error("that control is not a status bar");
}

} // namespace

void Form::set_parts(std::wstring_view bar, std::vector<int> widths) {
    const Placed& placed = find(bar);
    expect_status_bar(placed.row->kind);
    parts_[GetDlgCtrlID(placed.handle)] = std::move(widths);
    apply_parts(placed);
}

void Form::apply_parts(const Placed& bar) {
    const auto widths = parts_.find(GetDlgCtrlID(bar.handle));
    if (!bar.handle || widths == parts_.end() || widths->second.empty()) return;
    const WindowDc dc(bar.handle);
    const Selection font(dc, reinterpret_cast<HFONT>(SendMessageW(bar.handle, WM_GETFONT, 0, 0)));
    int borders[3]{}; // around the bar, around a part's text, between parts
    SendMessageW(bar.handle, SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
    std::vector<int> right_edges;
    int pixels = 0;
    for (std::size_t part = 0; part < widths->second.size(); ++part) {
        int width = to_pixels(widths->second[part]);
        if (width == 0) { // as wide as its text, with the room a part leaves around it
            std::wstring text(LOWORD(SendMessageW(bar.handle, SB_GETTEXTLENGTHW, part, 0)), L'\0');
            SendMessageW(bar.handle, SB_GETTEXTW, part, reinterpret_cast<LPARAM>(text.data()));
            SIZE extent{};
            GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
            width = extent.cx + 2 * borders[1] + borders[2] + scale_to_dpi(8, dpi_);
        }
        pixels += width;
        right_edges.push_back(pixels);
    }
    right_edges.back() = -1; // to the bar's end
    SendMessageW(bar.handle, SB_SETPARTS, right_edges.size(),
                 reinterpret_cast<LPARAM>(right_edges.data()));
}

void Form::set_part_text(std::wstring_view bar, int part, std::wstring_view text) {
    const Placed& placed = find(bar);
    expect_status_bar(placed.row->kind);
    SendMessageW(placed.handle, SB_SETTEXTW, static_cast<WPARAM>(part),
                 reinterpret_cast<LPARAM>(std::wstring(text).c_str()));
    // A part as wide as its text follows it.
    const auto widths = parts_.find(GetDlgCtrlID(placed.handle));
    if (widths != parts_.end() && static_cast<std::size_t>(part) + 1 < widths->second.size() &&
        widths->second[static_cast<std::size_t>(part)] == 0)
        apply_parts(placed);
}

} // namespace desktop
