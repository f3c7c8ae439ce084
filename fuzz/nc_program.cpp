// Any text read as an NC program, a line at a time, in the units the first byte picks; each
// move measured and boxed. Properties: every known coordinate of a point along a move and of
// the box is finite, and every length and time is a number not below zero.

#include "fuzz_text.h"
#include "nc_reader/reader.h"

#include <cmath>
#include <cstdlib>

namespace {

void check_finite(const nc::Axes& axes, nc::AxisSet known) {
    for (int axis = 0; axis < nc::axis_count; ++axis)
        if ((known >> axis & 1) && !std::isfinite(axes[axis])) std::abort();
}

void check_measure(double value) {
    if (std::isnan(value) || value < 0) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text = fuzz::bytes(data, size);
    nc::Reader reader(size > 0 && (data[0] & 1) ? nc::Units::inch : nc::Units::millimetre);
    nc::Extents extents;
    for (bool more = true; more;) {
        const std::size_t end = text.find('\n');
        more = end != std::string_view::npos;
        const nc::Block& block = reader.read(text.substr(0, end));
        if (more) text.remove_prefix(end + 1);
        if (!block.move) continue;
        const nc::Move& move = *block.move;
        check_finite(nc::point_at(move, 0), move.known_start);
        check_finite(nc::point_at(move, 0.5), move.known_start & move.known_end);
        check_finite(nc::point_at(move, 1), move.known_end);
        check_measure(nc::path_length(move));
        check_measure(nc::minutes(move, 10000));
        extents.add(move);
    }
    check_finite(extents.min, extents.seen);
    check_finite(extents.max, extents.seen);
    return 0;
}
