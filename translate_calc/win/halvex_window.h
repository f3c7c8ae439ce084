#pragma once
// The one window of Halvex: the control table of the rotary-head translation calculator
// and the buttons wired to the portable commands.

#include "desktop/form.h"

namespace translate_calc {

class HalvexWindow : public desktop::Form {
public:
    HalvexWindow();
};

} // namespace translate_calc
