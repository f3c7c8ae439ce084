// The form's fonts, made once for each face, size and DPI, and the move to another DPI.

#include "form_parts.h"

#include <cmath>
#include <utility>

namespace desktop {

HFONT Form::font(const Font& font) {
    std::wstring key(font.face);
    key += L'|' + std::to_wstring(font.points) + L'|' + std::to_wstring(font.bold) + L'|' +
           std::to_wstring(font.underline) + L'|' + std::to_wstring(font.fixed_pitch) + L'|' +
           std::to_wstring(dpi_);
    if (auto found = fonts_.find(key); found != fonts_.end()) return found->second.get();
    LOGFONTW description{};
    description.lfHeight = -static_cast<LONG>(std::lround(font.points * dpi_ / 72.0));
    description.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    description.lfUnderline = font.underline;
    description.lfCharSet = DEFAULT_CHARSET;
    description.lfQuality = CLEARTYPE_QUALITY;
    if (font.fixed_pitch) description.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    font.face.copy(description.lfFaceName, LF_FACESIZE - 1);
    const HFONT made = CreateFontIndirectW(&description);
    fonts_.emplace(std::move(key), FontObject(made));
    return made;
}

void Form::apply_dpi(int dpi) {
    dpi_ = dpi;
    auto old_fonts = std::move(fonts_); // freed once every control has its new font
    fonts_.clear();
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font(design_.font)), FALSE);
    for (const Placed& placed : controls_) {
        SendMessageW(placed.handle, WM_SETFONT,
                     reinterpret_cast<WPARAM>(font(font_of(*placed.row))), TRUE);
        place(placed);
    }
    InvalidateRect(window_, nullptr, TRUE);
}

const Font& Form::font_of(const Control& row) const {
    return row.font.face.empty() ? design_.font : row.font;
}

} // namespace desktop
