#pragma once
// Lengths and feeds of a CL file in the units of what is made from it (the NC program's, or
// the picture's): UNITS/MM or UNITS/INCHES says which the CL file uses.

#include <optional>
#include <string_view>

namespace cl {

constexpr double millimetres_per_inch = 25.4;

enum class FeedUnit { cl_per_minute, mm_per_minute, inch_per_minute, mm_per_rev, inch_per_rev };

struct Feed {
    double value = 0;
    FeedUnit unit = FeedUnit::cl_per_minute;

    bool per_revolution() const {
        return unit == FeedUnit::mm_per_rev || unit == FeedUnit::inch_per_rev;
    }
};

// The unit a minor word names: MMPM, IPM, MMPR, IPR; nothing for another word.
std::optional<FeedUnit> feed_unit(std::string_view word);

class Units {
public:
    explicit Units(bool target_inch = false) : target_inch_(target_inch) {}

    // UNITS/MM or UNITS/INCHES (or INCH): the CL file's units from here on.
    void set_cl_inch(bool cl_inch);

    double length(double cl_length) const { return cl_length * factor_; }
    // A feed in target units per minute, or per revolution for the per-revolution units.
    double feed(const Feed& feed) const;
    bool target_inch() const { return target_inch_; }

private:
    bool target_inch_;
    double factor_ = 1; // CL lengths to target lengths
};

} // namespace cl
