#pragma once
// The window ROTATION TRANSFORMATIONS: a point, an angle, the rotary axis and the plus
// direction in; the rotated point out.

#include "desktop/form.h"

namespace rotate_calc {

class RotateWindow : public desktop::Form {
public:
    RotateWindow();

private:
    void compute();
    void clear();
};

} // namespace rotate_calc
