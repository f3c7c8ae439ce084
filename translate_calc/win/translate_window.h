#pragma once
// The window "Rotary Head Translations": a tool tip point, a tool axis, the tool length, the
// pivot distance and an origin in; the program pivot point out, or the other way round.

#include "core/translate.h"

#include "desktop/calculator.h"

namespace translate_calc {

class TranslateWindow : public desktop::Calculator<Fields> {
public:
    static constexpr std::wstring_view caption = title;
    TranslateWindow();

private:
    Fields fields() const override;
};

} // namespace translate_calc
