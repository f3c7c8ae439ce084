#pragma once
// The window "Inverse Time Feed": a move from a previous to a current position, a feed in
// units per minute and the inverse-time feed-rate number, each computed from the other.

#include "../core/outcome.h"
#include "../core/position.h"

#include "desktop/form.h"

namespace ivt {

class InverseTimeWindow : public desktop::Form {
public:
    InverseTimeWindow();

private:
    void compute_number();
    void compute_feed();
    void clear();

    PositionTexts previous() const;
    PositionTexts current() const;
    RotaryAxis rotary_axis() const;
};

} // namespace ivt
