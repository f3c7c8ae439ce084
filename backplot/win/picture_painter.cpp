#include "win/picture_painter.h"

#include "number_text.h"

#include <algorithm>
#include <cmath>

namespace backplot::win {

namespace {

constexpr COLORREF message_colour = RGB(190, 194, 204), mark_colour = RGB(235, 235, 235);
constexpr COLORREF axis_colours[3] = {RGB(230, 80, 80), RGB(90, 200, 90), RGB(90, 140, 255)};

POINT whole(const ScreenPoint& p) {
    return {std::lround(p.x), std::lround(p.y)};
}

desktop::FontObject make_font(int pixels, int dpi, bool bold) {
    LOGFONTW font{};
    font.lfHeight = -desktop::scale_to_dpi(pixels, dpi);
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = CLEARTYPE_QUALITY;
    wcscpy(font.lfFaceName, L"Tahoma");
    return desktop::FontObject(CreateFontIndirectW(&font));
}

// A number's text, which is ASCII.
std::wstring widen_ascii(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

void text_at(HDC dc, int x, int y, const std::wstring& text, COLORREF colour) {
    SetTextColor(dc, colour);
    TextOutW(dc, x, y, text.c_str(), static_cast<int>(text.size()));
}

} // namespace

void PicturePainter::make_tools(int dpi) {
    if (dpi == dpi_) return;
    dpi_ = dpi;
    for (std::size_t pen = 0; pen < pens_.size(); ++pen) {
        const auto kind = static_cast<Pen>(pen);
        // GDI dashes only pens one pixel wide.
        const int width = kind == Pen::highlight ? px(3) : kind == Pen::tool ? px(2) : 1;
        pens_[pen].reset(
            CreatePen(kind == Pen::rapid ? PS_DASH : PS_SOLID, width, pen_colours[pen]));
    }
    mark_pen_.reset(CreatePen(PS_SOLID, 1, mark_colour));
    small_font_ = make_font(11, dpi, false);
    message_font_ = make_font(15, dpi, true);
}

void PicturePainter::paint(HDC dc, SIZE size, int dpi, const DisplayList& list, const View& view,
                           const std::wstring& message) {
    make_tools(dpi);
    const RECT all{0, 0, size.cx, size.cy};
    const desktop::Brush ground(CreateSolidBrush(ground_colour));
    FillRect(dc, &all, ground.get());
    SetBkMode(dc, TRANSPARENT);

    points_.resize(list.points.size());
    for (std::size_t k = 0; k < list.points.size(); ++k)
        points_[k] = whole(list.points[k]);
    const desktop::Selection first_pen(dc, pens_[0].get());
    for (const Polyline& polyline : list.polylines) {
        if (polyline.count < 2) continue;
        SelectObject(dc, pens_[static_cast<std::size_t>(polyline.pen)].get());
        ::Polyline(dc, points_.data() + polyline.first, static_cast<int>(polyline.count));
    }
    draw_marks(dc, list);
    if (!list.polylines.empty()) draw_axes(dc, size, view);
    draw_message(dc, size, message);
}

void PicturePainter::draw_marks(HDC dc, const DisplayList& list) {
    const desktop::Selection font(dc, small_font_.get());
    const desktop::Selection no_fill(dc, GetStockObject(NULL_BRUSH));
    for (const Mark& mark : list.marks) {
        const POINT at = whole(mark.at);
        switch (mark.kind) {
        case MarkKind::hole: {
            const desktop::Selection pen(dc, pens_[static_cast<std::size_t>(Pen::hole)].get());
            Ellipse(dc, at.x - px(4), at.y - px(4), at.x + px(4) + 1, at.y + px(4) + 1);
            // Below to the right: a tool change marked at the same hole is labelled above.
            text_at(dc, at.x + px(6), at.y + px(1), widen_ascii(number_text(mark.depth)),
                    pen_colours[static_cast<std::size_t>(Pen::hole)]);
            break;
        }
        case MarkKind::tool_change: {
            const desktop::Selection pen(dc, mark_pen_.get());
            const POINT triangle[] = {
                at, {at.x - px(5), at.y - px(9)}, {at.x + px(5), at.y - px(9)}, at};
            ::Polyline(dc, triangle, 4);
            text_at(dc, at.x + px(7), at.y - px(13), L"T" + std::to_wstring(mark.tool),
                    mark_colour);
            break;
        }
        case MarkKind::tool_tip: {
            const desktop::Selection pen(dc, pens_[static_cast<std::size_t>(Pen::tool)].get());
            const desktop::Brush fill(
                CreateSolidBrush(pen_colours[static_cast<std::size_t>(Pen::tool)]));
            const desktop::Selection brush(dc, fill.get());
            Ellipse(dc, at.x - px(3), at.y - px(3), at.x + px(3) + 1, at.y + px(3) + 1);
            break;
        }
        }
    }
}

// X, Y and Z as the view shows them, from a point in the bottom right corner.
void PicturePainter::draw_axes(HDC dc, SIZE size, const View& view) {
    const desktop::Selection font(dc, small_font_.get());
    const POINT origin{size.cx - px(36), size.cy - px(36)};
    const double length = px(24);
    const Vector axes[3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    for (int k = 0; k < 3; ++k) {
        const Pixel d = view.project_direction(axes[k]);
        const double x = d.x / view.scale() * length, y = d.y / view.scale() * length;
        const desktop::Pen pen(CreatePen(PS_SOLID, 1, axis_colours[k]));
        const desktop::Selection selected(dc, pen.get());
        MoveToEx(dc, origin.x, origin.y, nullptr);
        LineTo(dc, origin.x + std::lround(x), origin.y + std::lround(y));
        // An axis that points at the eye shows as its letter at the corner point.
        text_at(dc, origin.x + std::lround(x * 1.3) - px(3),
                origin.y + std::lround(y * 1.3) - px(7), std::wstring(1, L"XYZ"[k]),
                axis_colours[k]);
    }
}

void PicturePainter::draw_message(HDC dc, SIZE size, const std::wstring& message) {
    if (message.empty()) return;
    const desktop::Selection font(dc, message_font_.get());
    RECT box{px(20), px(20), size.cx - px(20), size.cy - px(20)};
    SetTextColor(dc, message_colour);
    RECT measured = box;
    DrawTextW(dc, message.c_str(), static_cast<int>(message.size()), &measured,
              DT_CENTER | DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT);
    // In the middle, however many lines it takes.
    const int height = measured.bottom - measured.top;
    box.top = std::max(box.top, (size.cy - height) / 2);
    DrawTextW(dc, message.c_str(), static_cast<int>(message.size()), &box,
              DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
}

} // namespace backplot::win
