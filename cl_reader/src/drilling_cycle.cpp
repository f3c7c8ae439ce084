#include "cl_reader/drilling_cycle.h"

#include "cl_reader/error.h"

#include <array>
#include <utility>

namespace cl {

namespace {

constexpr std::array<std::pair<std::string_view, std::string_view>, 4> cycle_types{{
    {"DRILL", "G81"},
    {"DEEP", "G83"},
    {"TAP", "G84"},
    {"BORE", "G85"},
}};

} // namespace

std::optional<DrillingCycle> read_cycle(const Record& r, const FeedUnits& units) {
    const std::string* type =
        r.values.empty() ? nullptr : std::get_if<std::string>(&r.values.front());
    if (type && *type == "OFF") {
        if (r.values.size() != 1) throw Error("CYCLE/OFF takes no other values");
        return std::nullopt;
    }
    DrillingCycle cycle;
    for (const auto& [name, g_code] : cycle_types)
        if (type && *type == name) cycle.g_code = g_code;
    if (cycle.g_code.empty())
        throw Error("CYCLE: the first value must be DRILL, DEEP, TAP, BORE or OFF");

    std::optional<double> depth, clearance;
    // Numbers without a word fill these in the classic order.
    std::optional<double>* const in_order[] = {&depth, &clearance, &cycle.retract};
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
        const double value = number_at(r, i + 1);
        ++i;
        if (const auto factor = units.factor(word)) {
            cycle.feed = value * *factor;
        } else if (word == "DEPTH") {
            depth = value;
        } else if (word == "CLEAR") {
            clearance = value;
        } else if (word == "RETRCT") {
            cycle.retract = value;
        } else if (word == "STEP") {
            cycle.step = value;
        } else {
            throw Error("CYCLE: unknown minor word '" + word + "'");
        }
    }
    if (!depth || *depth <= 0) throw Error("CYCLE: the depth must be given and positive");
    if (!clearance || *clearance < 0)
        throw Error("CYCLE: the clearance must be given and not negative");
    if (cycle.retract && *cycle.retract < *clearance)
        throw Error("CYCLE: RETRCT must not lie below the clearance");
    if (cycle.g_code == "G83" && (!cycle.step || *cycle.step <= 0))
        throw Error("CYCLE/DEEP: STEP, the depth of each peck, must be given and positive");
    if (cycle.g_code != "G83" && cycle.step) throw Error("CYCLE: STEP is for CYCLE/DEEP only");
    if (cycle.feed && *cycle.feed <= 0) throw Error("CYCLE: the feed must be greater than zero");
    cycle.depth = *depth;
    cycle.clearance = *clearance;
    return cycle;
}

} // namespace cl
