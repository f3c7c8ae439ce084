// Drilling cycles: CYCLE, then a hole at each GOTO, written in full at the first hole (and
// again after a tool change), as positions after it, until CYCLE/OFF.

#include "post.h"

#include "cl_reader/error.h"

#include <cmath>

namespace mill5x {

namespace {

bool vertical(const geometry::Vector& axis) {
    return std::fabs(axis.x) < 1e-6 && std::fabs(axis.y) < 1e-6 && std::fabs(axis.z - 1) < 1e-6;
}

std::string_view g_code(const cl::DrillingCycle& cycle) {
    switch (cycle.type) {
    case cl::CycleType::drill:
        return cycle.dwell ? "G82" : "G81";
    case cl::CycleType::deep:
        return "G83";
    case cl::CycleType::chip_break:
        return "G73";
    case cl::CycleType::tap:
        return "G84";
    case cl::CycleType::bore:
    case cl::CycleType::ream: // both feed out: G89 dwells at the bottom first
        return cycle.dwell ? "G89" : "G85";
    }
    return "G81";
}

} // namespace

void Post::cycle(const cl::Record& r) {
    const cl::CycleCommand command = cl::read_cycle(r);
    switch (command.kind) {
    case cl::CycleCommand::Kind::off:
        end_cycle();
        cycle_.reset();
        return;
    case cl::CycleCommand::Kind::on:
        if (!last_cycle_) throw cl::Error("CYCLE/ON: no cycle was given to turn on again");
        cycle_ = last_cycle_;
        return;
    case cl::CycleCommand::Kind::start:
        cycle_ = last_cycle_ = command.cycle;
        // A new cycle is written in full at its first hole.
        if (cycle_written_) end_cycle();
        return;
    }
}

void Post::drill(const cl::ToolPosition& hole) {
    const cl::DrillingCycle& cycle = *cycle_;
    rapid_next_ = false;
    if (!vertical(hole.axis) || (tip_ && !approach_next_ && !vertical(tip_->axis)))
        throw cl::Error("a drilling cycle needs the tool along +Z");
    if (!position_) throw cl::Error("a drilling cycle needs a known position: FROM or GOTO first");
    const double feed = cycle.feed ? feed_per_minute(*cycle.feed) : feed_.value_or(0);
    if (feed <= 0) throw cl::Error("no feed rate for the drilling cycle: FEDRAT is missing");
    const cl::Units& units = path_.units();
    // Where the machine's axes put the tip at the hole's top: lifted by the tool and the
    // pivot distance on a head, as it stands on a table, whose control adds the tool length.
    machine::Axes at_hole = axes_for(hole);
    const double top = at_hole.linear.z, lift = top - hole.tip.z;
    const double r_level = top + units.length(cycle.clearance);
    const double bottom = top - units.length(cycle.depth);
    const int d = length_decimals();

    if (approach_next_) {
        // Down to where the cycle starts from: the retract height, or its R level.
        at_hole.linear.z = cycle.return_to == cl::CycleReturn::to_height
                               ? top + units.length(cycle.retract)
                               : r_level;
        approach(at_hole, true);
        position_ = at_hole;
    } else if (cycle.return_to == cl::CycleReturn::to_height && !cycle_written_) {
        // G98 returns to the height the cycle starts from: go there first.
        machine::Axes up = *position_;
        up.linear.z = top + units.length(cycle.retract);
        writer_.held(Held::motion, "G0");
        writer_.held(Held::z, 'Z', up.linear.z, d);
        writer_.end_block();
        position_ = up;
    }
    const bool back_to_start = cycle.return_to != cl::CycleReturn::to_clearance;
    const double return_level = back_to_start ? position_->linear.z : r_level;

    if (!cycle_written_) {
        if (cycle.type == cl::CycleType::tap && settings_.rigid_tapping) {
            if (!spindle_speed_) throw cl::Error("rigid tapping needs the spindle speed: SPINDL");
            block({"M29", "S" + std::to_string(std::lround(*spindle_speed_))});
        }
        for (Held word : {Held::cycle_return, Held::motion, Held::x, Held::y, Held::cycle_bottom,
                          Held::cycle_r, Held::cycle_q, Held::cycle_p, Held::feed})
            writer_.forget(word);
    }
    start_feed_block(17);
    writer_.held(Held::cycle_return, back_to_start ? "G98" : "G99");
    writer_.held(Held::motion, g_code(cycle));
    // A control drills the next hole where a block names X or Y: a hole over the last one
    // names X again.
    if (writer_.holds(Held::x, 'X', at_hole.linear.x, d) &&
        writer_.holds(Held::y, 'Y', at_hole.linear.y, d))
        writer_.forget(Held::x);
    writer_.held(Held::x, 'X', at_hole.linear.x, d);
    writer_.held(Held::y, 'Y', at_hole.linear.y, d);
    writer_.held(Held::cycle_bottom, 'Z', bottom, d);
    writer_.held(Held::cycle_r, 'R', r_level, d);
    if (cycle.step) writer_.held(Held::cycle_q, 'Q', units.length(*cycle.step), d);
    if (cycle.dwell) // in whole milliseconds, as G4 takes them
        writer_.held(Held::cycle_p, "P" + std::to_string(std::lround(*cycle.dwell * 1000)));
    writer_.held(Held::feed, 'F', feed, d);
    writer_.end_block();
    cycle_written_ = true;
    // The tool ends over the hole at the level it returns to.
    writer_.assume(Held::z, 'Z', return_level, d);
    writer_.extents().add(Held::z, bottom);

    const double depth = units.length(cycle.depth), clearance = units.length(cycle.clearance);
    expectations_.push_back({Expectation::Kind::hole,
                             line_,
                             {{hole.tip.x, hole.tip.y, hole.tip.z - depth}, hole.axis},
                             std::nullopt,
                             0,
                             hole.tip.z + clearance});
    machine::Axes after = at_hole;
    after.linear.z = return_level;
    const bool feeds_out = cycle.type == cl::CycleType::tap || cycle.type == cl::CycleType::bore ||
                           cycle.type == cl::CycleType::ream;
    // Over the hole at the height it is at, to R, down at the feed, back up to where it
    // returns (to R at the feed where the cycle feeds out): the control's order of a cycle.
    const double over =
        std::hypot(after.linear.x - position_->linear.x, after.linear.y - position_->linear.y);
    const double rapid = over + std::fabs(position_->linear.z - r_level) + return_level -
                         (feeds_out ? r_level : bottom);
    add_minutes((r_level - bottom) * (feeds_out ? 2 : 1) / feed + rapid / settings_.rapid_feed +
                    cycle.dwell.value_or(0) / 60,
                &PostResult::feed_minutes);
    ++result_.feed_moves;
    tip_ = cl::ToolPosition{{hole.tip.x, hole.tip.y, return_level - lift}, hole.axis};
    position_ = after;
}

} // namespace mill5x
