#pragma once
// How the picture looks: the display list drawn with GDI, one Polyline call a polyline; the
// marks of holes, tool changes and the tool's tip; the axes' directions in a corner; and a
// message in the middle when nothing is drawn.

#include "display_list.h"
#include "view.h"

#include <desktop/win32.h>

#include <windows.h>

#include <array>
#include <string>
#include <vector>

namespace backplot::win {

// The colours: a dark ground, as a screen of the shop floor shows the path best.
inline constexpr COLORREF ground_colour = RGB(24, 26, 32);
// By Pen: rapid (dashed), feed, inverse time, hole, tool axis, highlight, tool.
inline constexpr std::array<COLORREF, 7> pen_colours = {
    RGB(230, 190, 60),  RGB(80, 200, 255),  RGB(220, 120, 255), RGB(255, 110, 80),
    RGB(110, 120, 135), RGB(255, 255, 255), RGB(255, 220, 0)};

class PicturePainter {
public:
    // `message`: in the middle, for a file not drawn.
    void paint(HDC dc, SIZE size, int dpi, const DisplayList& list, const View& view,
               const std::wstring& message);

private:
    void make_tools(int dpi);
    int px(int pixels_at_96) const { return desktop::scale_to_dpi(pixels_at_96, dpi_); }
    void draw_marks(HDC dc, const DisplayList& list);
    void draw_axes(HDC dc, SIZE size, const View& view);
    void draw_message(HDC dc, SIZE size, const std::wstring& message);

    int dpi_ = 0;
    std::array<desktop::Pen, pen_colours.size()> pens_;
    desktop::Pen mark_pen_;
    desktop::FontObject small_font_, message_font_;
    std::vector<POINT> points_; // the list's points in whole pixels, kept between paints
};

} // namespace backplot::win
