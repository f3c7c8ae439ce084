#include "cl_reader/machine_words.h"

#include "cl_reader/error.h"

#include <charconv>
#include <cmath>

namespace cl {

namespace {

const std::string* word_at(const Record& r, std::size_t index) {
    return index < r.values.size() ? std::get_if<std::string>(&r.values[index]) : nullptr;
}

int whole_number(const Record& r, std::size_t index, int low, int high, std::string_view what) {
    const double value = number_at(r, index);
    if (value < low || value > high || value != std::floor(value))
        throw Error(r.major + ": " + std::string(what) + " must be a whole number from " +
                    std::to_string(low) + " to " + std::to_string(high));
    return static_cast<int>(value);
}

std::string shortest(double value) {
    char digits[32];
    return std::string(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

std::string unknown(const Record& r, const std::string& word) {
    return r.major + ": unknown minor word '" + word + "'";
}

} // namespace

ToolLoad read_tool_load(const Record& r) {
    std::size_t at = 0;
    if (r.major != "LOADTL") {
        if (const std::string* first = word_at(r, 0); !first || *first != "TOOL")
            throw Error(r.major + ": only " + r.major + "/TOOL, n is known");
        at = 1;
    }
    ToolLoad load;
    load.tool = whole_number(r, at++, 1, 9999, "the tool");
    while (at < r.values.size()) {
        const std::string* word = word_at(r, at);
        if (!word)
            throw Error(r.major + ": value " + std::to_string(at + 1) + " has no minor word");
        ++at;
        if (*word == "LENGTH") {
            const double length = number_at(r, at++);
            if (length < 0) throw Error(r.major + ": LENGTH must not be negative");
            load.length = length;
        } else if (*word == "ADJUST" || *word == "OSETNO") {
            load.adjust = whole_number(r, at++, 0, 9999, *word);
        } else {
            // A word of another system's (a tool's name, a pocket, a holder): its numbers
            // belong to it.
            std::string passed = "'" + *word;
            for (; at < r.values.size() && !word_at(r, at); ++at)
                passed += ", " + shortest(std::get<double>(r.values[at]));
            load.passed_by.push_back(std::move(passed) + "'");
        }
    }
    return load;
}

Spindle read_spindle(const Record& r) {
    Spindle spindle;
    bool on = false;
    for (std::size_t i = 0; i < r.values.size(); ++i) {
        const std::string* word = word_at(r, i);
        if (!word) {
            if (spindle.speed) throw Error("SPINDL: more than one speed");
            spindle.speed = number_at(r, i);
        } else if (*word == "CLW" || *word == "CCLW") {
            spindle.rotation = *word == "CLW" ? Rotation::clockwise : Rotation::counter_clockwise;
        } else if (*word == "RANGE") {
            const std::string* named = word_at(r, i + 1);
            if (named && (*named == "LOW" || *named == "MEDIUM" || *named == "HIGH"))
                spindle.range = *named == "LOW" ? 1 : *named == "MEDIUM" ? 2 : 3;
            else
                spindle.range = whole_number(r, i + 1, 1, 4, "RANGE");
            ++i;
        } else if (*word == "OFF") {
            spindle.off = true;
        } else if (*word == "ON") {
            on = true;
        } else if (*word != "RPM") {
            throw Error(unknown(r, *word));
        }
    }
    if (spindle.off && r.values.size() != 1) throw Error("SPINDL/OFF takes no other values");
    if (spindle.speed && *spindle.speed <= 0)
        throw Error("SPINDL: the speed must be greater than zero");
    if (!spindle.off && !on && !spindle.speed && !spindle.rotation && !spindle.range)
        throw Error("SPINDL: give a speed, ON or OFF");
    return spindle;
}

std::optional<Coolant> read_coolant(const Record& r) {
    if (r.values.size() != 1 || !word_at(r, 0)) throw Error("COOLNT takes one minor word");
    const std::string& word = *word_at(r, 0);
    if (word == "ON" || word == "FLOOD") return Coolant::flood;
    if (word == "MIST") return Coolant::mist;
    if (word == "THRU") return Coolant::through_spindle;
    if (word == "OFF") return Coolant::off;
    return std::nullopt;
}

Feed read_feed(const Record& r) {
    Feed feed;
    bool has_value = false;
    for (std::size_t i = 0; i < r.values.size(); ++i) {
        if (const std::string* word = word_at(r, i)) {
            const auto unit = feed_unit(*word);
            if (!unit) throw Error(unknown(r, *word));
            feed.unit = *unit;
        } else {
            if (has_value) throw Error("FEDRAT: more than one feed");
            feed.value = number_at(r, i);
            has_value = true;
        }
    }
    if (!has_value) throw Error("FEDRAT: the feed is missing");
    if (feed.value <= 0) throw Error("FEDRAT: the feed must be greater than zero");
    return feed;
}

} // namespace cl
