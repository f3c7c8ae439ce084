#include "cl_reader/units.h"

namespace cl {

std::optional<FeedUnit> feed_unit(std::string_view word) {
    if (word == "MMPM") return FeedUnit::mm_per_minute;
    if (word == "IPM") return FeedUnit::inch_per_minute;
    if (word == "MMPR") return FeedUnit::mm_per_rev;
    if (word == "IPR") return FeedUnit::inch_per_rev;
    return std::nullopt;
}

void Units::set_cl_inch(bool cl_inch) {
    factor_ = cl_inch == target_inch_ ? 1.0
              : cl_inch               ? millimetres_per_inch
                                      : 1.0 / millimetres_per_inch;
}

double Units::feed(const Feed& feed) const {
    const double from_mm = target_inch_ ? 1.0 / millimetres_per_inch : 1.0;
    const double from_inch = target_inch_ ? 1.0 : millimetres_per_inch;
    switch (feed.unit) {
    case FeedUnit::mm_per_minute:
    case FeedUnit::mm_per_rev:
        return feed.value * from_mm;
    case FeedUnit::inch_per_minute:
    case FeedUnit::inch_per_rev:
        return feed.value * from_inch;
    case FeedUnit::cl_per_minute:
        break;
    }
    return length(feed.value);
}

} // namespace cl
