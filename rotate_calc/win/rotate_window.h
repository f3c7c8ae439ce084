#pragma once
// The window ROTATION TRANSFORMATIONS: a point, an angle, the rotary axis and the plus
// direction in; the rotated point out.

#include "core/rotate.h"

#include "desktop/calculator.h"

namespace rotate_calc {

class RotateWindow : public desktop::Calculator<Fields> {
public:
    static constexpr std::wstring_view caption = title;
    RotateWindow();

private:
    Fields fields() const override;
};

} // namespace rotate_calc
