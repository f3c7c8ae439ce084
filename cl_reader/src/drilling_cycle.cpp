#include "cl_reader/drilling_cycle.h"

#include "cl_reader/error.h"

#include <algorithm>
#include <array>
#include <utility>

namespace cl {

namespace {

constexpr std::array<std::pair<std::string_view, CycleType>, 6> cycle_types{{
    {"DRILL", CycleType::drill},
    {"DEEP", CycleType::deep},
    {"BRKCHP", CycleType::chip_break},
    {"TAP", CycleType::tap},
    {"BORE", CycleType::bore},
    {"REAM", CycleType::ream},
}};

bool pecks(CycleType type) {
    return type == CycleType::deep || type == CycleType::chip_break;
}

} // namespace

CycleCommand read_cycle(const Record& r) {
    const std::string* type =
        r.values.empty() ? nullptr : std::get_if<std::string>(&r.values.front());
    CycleCommand command;
    if (type && (*type == "OFF" || *type == "ON")) {
        if (r.values.size() != 1) throw Error("CYCLE/" + *type + " takes no other values");
        command.kind = *type == "OFF" ? CycleCommand::Kind::off : CycleCommand::Kind::on;
        return command;
    }
    DrillingCycle& cycle = command.cycle;
    const auto known = std::find_if(cycle_types.begin(), cycle_types.end(),
                                    [&](const auto& t) { return type && *type == t.first; });
    if (known == cycle_types.end())
        throw Error("CYCLE: the first value must be DRILL, DEEP, BRKCHP, TAP, BORE, REAM, ON or "
                    "OFF");
    cycle.type = known->second;

    std::optional<double> depth, clearance, retract, retract_distance;
    bool retract_auto = false;
    // Numbers without a word fill these in the classic order.
    std::optional<double>* const in_order[] = {&depth, &clearance, &retract};
    std::size_t next_in_order = 0;
    for (std::size_t i = 1; i < r.values.size(); ++i) {
        if (std::holds_alternative<double>(r.values[i])) {
            while (next_in_order < std::size(in_order) && *in_order[next_in_order])
                ++next_in_order;
            if (next_in_order == std::size(in_order)) throw Error("CYCLE: too many values");
            *in_order[next_in_order] = number_at(r, i);
            continue;
        }
        const std::string& word = std::get<std::string>(r.values[i]);
        if (word == "RTRCTO" && i + 1 < r.values.size() && is_word(r.values[i + 1], "AUTO")) {
            retract_auto = true;
            ++i;
            continue;
        }
        const double value = number_at(r, ++i);
        if (const auto unit = feed_unit(word)) {
            cycle.feed = Feed{value, *unit};
        } else if (word == "FEDRAT") {
            cycle.feed = Feed{value, FeedUnit::cl_per_minute};
        } else if (word == "DEPTH") {
            depth = value;
        } else if (word == "FEDTO") {
            depth = -value;
        } else if (word == "CLEAR" || word == "RAPTO") {
            clearance = value;
        } else if (word == "RTRCTO") {
            retract_distance = value;
        } else if (word == "RETRCT") {
            retract = value;
        } else if (word == "STEP" || word == "INCR") {
            cycle.step = value;
        } else if (word == "DWELL") {
            cycle.dwell = value;
        } else {
            throw Error("CYCLE: unknown minor word '" + word + "'");
        }
    }
    if (int(retract_auto) + int(retract.has_value()) + int(retract_distance.has_value()) > 1)
        throw Error("CYCLE: RTRCTO and RETRCT must not both say where the tool returns");
    // G99 returns to R, so RTRCTO's distance is the clearance the tool rapids to as well.
    if (retract_distance) clearance = retract_distance;
    cycle.return_to = retract_auto ? CycleReturn::to_start
                      : retract    ? CycleReturn::to_height
                                   : CycleReturn::to_clearance;
    if (!depth || *depth <= 0)
        throw Error("CYCLE: the depth must be given and lie below the point (FEDTO negative)");
    if (!clearance || *clearance < 0)
        throw Error("CYCLE: the clearance must be given and not negative");
    if (cycle.return_to == CycleReturn::to_height && *retract < *clearance)
        throw Error("CYCLE: RETRCT must not lie below the clearance");
    if (pecks(cycle.type) && (!cycle.step || *cycle.step <= 0))
        throw Error("CYCLE/" + *type +
                    ": STEP, the depth of each peck, must be given and positive");
    if (!pecks(cycle.type) && cycle.step)
        throw Error("CYCLE: STEP is for CYCLE/DEEP and CYCLE/BRKCHP only");
    if (cycle.dwell && *cycle.dwell < 0) throw Error("CYCLE: DWELL must not be negative");
    if (cycle.feed && cycle.feed->value <= 0)
        throw Error("CYCLE: the feed must be greater than zero");
    cycle.depth = *depth;
    cycle.clearance = *clearance;
    cycle.retract = cycle.return_to == CycleReturn::to_height ? *retract : 0;
    return command;
}

} // namespace cl
