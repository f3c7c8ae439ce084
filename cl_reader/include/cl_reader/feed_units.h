#pragma once
// Feeds in a CL file are in CL units per minute unless a minor word names the unit.

#include <optional>
#include <string_view>

namespace cl {

constexpr double millimetres_per_inch = 25.4;

struct FeedUnits {
    double cl_factor = 1; // CL units to machine units
    bool machine_inch = false;

    // The factor to machine units per minute of a feed given with this minor word: MMPM,
    // IPM, or FEDRAT (CL units); nothing for another word.
    std::optional<double> factor(std::string_view word) const {
        if (word == "MMPM") return machine_inch ? 1.0 / millimetres_per_inch : 1.0;
        if (word == "IPM") return machine_inch ? 1.0 : millimetres_per_inch;
        if (word == "FEDRAT") return cl_factor;
        return std::nullopt;
    }
};

} // namespace cl
