// The drilling cycles G73, G74, G76 and G81 to G89: modal from their first block, each block
// that names X or Y (or the cycle's code again) drills a hole, until G80 or G0 to G3.

#include "nc_reader/reader.h"

#include "block_words.h"

#include <string>

namespace nc {

namespace {

constexpr AxisSet xy_axes = 1u << x | 1u << y;
constexpr AxisSet rotary_axes = 1u << a | 1u << b | 1u << c;

bool is_cycle_code(int code) {
    return code > 0 && code != 80;
}

} // namespace

void Reader::end_cycle() {
    drilling_ = Drilling{};
}

void Reader::cycle_block(Words& words, AxisSet named) {
    set_cycle_levels(words);
    if ((named & xy_axes) || is_cycle_code(words.groups.cycle))
        drill(words, named & ~(1u << z));
    else if (named & rotary_axes) // no hole: the rotary axes move to their place
        straight(words, named & rotary_axes, MoveKind::rapid);
}

// In G91, R is measured from the initial level and Z from the R level.
void Reader::set_cycle_levels(Words& words) {
    Drilling& d = drilling_;
    const auto r = words.take('R'), bottom = words.take('Z');
    if (r) {
        d.r_level = incremental_ ? d.initial_level + *r : *r;
        d.r_known = !incremental_ || d.initial_known;
    }
    if (bottom) {
        const double from = d.r_level.value_or(d.initial_level);
        const bool from_known = d.r_level ? d.r_known : d.initial_known;
        d.bottom = incremental_ ? from + *bottom : *bottom;
        d.bottom_known = !incremental_ || from_known;
    }
    if ((r && !d.r_known) || (bottom && !d.bottom_known))
        warn("incremental R or Z from an unknown initial level: the hole's levels stay unknown");
    if (const auto q = words.take('Q')) d.q = *q;
    if (const auto p = words.take('P')) d.p = *p / 1000;
}

void Reader::drill(Words& words, AxisSet named) {
    const Drilling& d = drilling_;
    if (plane_ != Plane::xy) {
        std::string message = "G";
        message += std::to_string(d.code);
        message += " in G";
        message += std::to_string(static_cast<int>(plane_));
        warn(message + ": read in G17");
    }
    Move& move = begin_move(MoveKind::cycle);
    move.known_end = targets(words, named, move.end);

    const double r_level = d.r_level.value_or(d.initial_level);
    const bool r_known = d.r_level ? d.r_known : d.initial_known;
    if (!d.bottom) warn("drilling cycle without Z: the hole has no depth");
    move.cycle = {.code = d.code,
                  .initial_level = d.initial_level,
                  .r_level = r_level,
                  .bottom = d.bottom.value_or(r_level),
                  .to_initial = return_to_initial_,
                  .q = d.q,
                  .p = d.p};
    const bool level_known = return_to_initial_ ? d.initial_known : r_known;
    move.end[z] = return_to_initial_ ? d.initial_level : r_level;
    if (level_known)
        move.known_end |= 1u << z;
    else
        move.known_end &= ~(1u << z);
    check_feed(move);
    finish(move);
}

} // namespace nc
