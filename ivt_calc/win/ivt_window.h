#pragma once
// The window "Inverse Time Feed": a move from a previous to a current position, a feed in
// units per minute and the inverse-time feed-rate number, each computed from the other.

#include "core/ivt.h"

#include "desktop/calculator.h"

namespace ivt_calc {

class IvtWindow : public desktop::Calculator<Fields> {
public:
    static constexpr std::wstring_view caption = title;
    IvtWindow();

private:
    Fields fields() const override;
};

} // namespace ivt_calc
