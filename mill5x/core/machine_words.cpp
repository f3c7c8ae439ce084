// The machine words: tool changes, spindle, coolant, stops and the program's end.

#include "post.h"

#include "cl_reader/error.h"
#include "nc_format.h"
#include "nc_reader/program_notes.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace mill5x {

namespace {

// Built by appending: GCC 12 warns falsely (-Wrestrict) about "T" + std::to_string(...).
std::string numbered(char letter, long number) {
    std::string word(1, letter);
    word += std::to_string(number);
    return word;
}

std::optional<Held> axis_of(char letter) {
    switch (letter) {
    case 'X':
        return Held::x;
    case 'Y':
        return Held::y;
    case 'Z':
        return Held::z;
    case 'A':
        return Held::a;
    case 'B':
        return Held::b;
    case 'C':
        return Held::c;
    default:
        return std::nullopt;
    }
}

} // namespace

void Post::load_tool(const cl::Record& r) {
    tool_change(cl::read_tool_load(r));
}

void Post::select(const cl::Record& r) {
    const cl::ToolLoad next = cl::read_tool_load(r);
    for (const std::string& word : next.passed_by)
        warn(r.major + ": minor word " + word + " is passed by");
    block({numbered('T', next.tool)});
}

void Post::stop_spindle_and_coolant() {
    block({"M5"});
    block({"M9"});
    spindle_on_ = false;
    coolant_.clear();
}

// The settings' retract: the axes it names are where the machine puts them, no longer where
// the program last sent them.
void Post::retract() {
    std::istringstream words(settings_.retract);
    bool incremental = false;
    for (std::string word; words >> word;) {
        writer_.word(word);
        if (const auto axis = axis_of(word[0])) writer_.forget(*axis);
        if (word == "G0" || word == "G1" || word == "G00" || word == "G01")
            writer_.forget(Held::motion);
        incremental = incremental || word == "G91";
    }
    writer_.end_block();
    writer_.forget(Held::motion); // the next move names its own
    if (incremental) block({"G90"});
}

void Post::end_cycle() {
    if (!cycle_written_) return;
    writer_.held(Held::motion, "G80");
    writer_.end_block();
    writer_.forget(Held::motion); // G80 leaves no motion to repeat
    for (Held cycle_word :
         {Held::cycle_return, Held::cycle_bottom, Held::cycle_r, Held::cycle_q, Held::cycle_p})
        writer_.forget(cycle_word);
    cycle_written_ = false;
}

// Compensation on, or a CUTCOM still waiting for its move (an OFF among them: the control
// still compensates), ends before the tool leaves.
void Post::cancel_compensation() {
    if (compensating_ || !next_move_words_.empty()) block({"G40"});
    compensating_ = false;
    next_move_words_.clear();
}

void Post::tool_change(const cl::ToolLoad& load) {
    for (const std::string& word : load.passed_by)
        warn(record_.major + ": minor word " + word + " is passed by");
    end_cycle();
    cancel_compensation();
    restart_.clear();
    if (spindle_on_)
        restart_.push_back(numbered('S', std::lround(*spindle_speed_)) + " " + spindle_direction_);
    if (!coolant_.empty()) restart_.push_back(coolant_);
    stop_spindle_and_coolant();
    retract();
    tool_length_ = load.length ? path_.units().length(*load.length) : settings_.tool_length;
    block({numbered('T', load.tool), "M6"});
    std::string length;
    append_number(length, tool_length_, length_decimals());
    comment(nc::tool_length_note(load.tool, length, load.adjust));

    auto& tools = result_.tools;
    auto found = std::find_if(tools.begin(), tools.end(),
                              [&](const ToolUse& use) { return use.tool == load.tool; });
    if (found == tools.end()) {
        tools.push_back({load.tool, tool_length_, load.adjust, writer_.line_count() - 1, 0, 0});
        found = tools.end() - 1;
    }
    found->length = tool_length_;
    found->adjust = load.adjust;
    tool_ = static_cast<std::size_t>(found - tools.begin());
    approach_next_ = true;
    length_on_ = false;
}

void Post::spindl(const cl::Record& r) {
    const cl::Spindle spindle = cl::read_spindle(r);
    if (spindle.off) {
        block({"M5"});
        spindle_on_ = false;
        std::erase_if(restart_, [](const std::string& words) { return words.starts_with('S'); });
        return;
    }
    if (!spindle.speed && !spindle_speed_) throw cl::Error("SPINDL: no speed given yet");
    if (spindle.speed) {
        double speed = *spindle.speed;
        // The speed is written in whole revolutions: S0 would not turn the spindle.
        if (std::lround(speed) < 1) throw cl::Error("SPINDL: the speed must be at least 0.5 rpm");
        if (speed > settings_.max_spindle) {
            warn("SPINDL: speed " + std::to_string(std::lround(speed)) + " limited to MAX_SPINDLE");
            speed = settings_.max_spindle;
        }
        spindle_speed_ = speed;
    }
    if (spindle.rotation)
        spindle_direction_ = *spindle.rotation == cl::Rotation::clockwise ? "M3" : "M4";
    if (spindle.range) block({numbered('M', 40 + *spindle.range)});
    block({numbered('S', std::lround(*spindle_speed_)), spindle_direction_});
    spindle_on_ = true;
    std::erase_if(restart_, [](const std::string& words) { return words.starts_with('S'); });
}

void Post::coolnt(const cl::Record& r) {
    const auto coolant = cl::read_coolant(r);
    if (!coolant) {
        warn("COOLNT: unknown minor word '" + std::get<std::string>(r.values[0]) +
             "' is passed by");
        return;
    }
    switch (*coolant) {
    case cl::Coolant::flood:
        coolant_ = "M8";
        break;
    case cl::Coolant::mist:
        coolant_ = "M7";
        break;
    case cl::Coolant::through_spindle:
        coolant_ = "M88";
        break;
    case cl::Coolant::off:
        coolant_.clear();
        break;
    }
    block({coolant_.empty() ? "M9" : coolant_});
    std::erase_if(restart_, [](const std::string& words) { return words.starts_with('M'); });
}

void Post::delay(const cl::Record& r) {
    if (r.values.size() != 1) throw cl::Error("DELAY takes the time in seconds");
    const double seconds = cl::number_at(r, 0);
    const long milliseconds = std::lround(seconds * 1000);
    if (milliseconds < 1) throw cl::Error("DELAY: the time must be at least 0.001 seconds");
    block({"G4", numbered('P', milliseconds)});
    add_minutes(seconds / 60, &PostResult::dwell_minutes);
}

void Post::opstop(const cl::Record& r) {
    if (!r.values.empty()) throw cl::Error("OPSTOP takes no values");
    block({"M1"});
}

void Post::stop(const cl::Record& r) {
    if (!r.values.empty()) throw cl::Error("STOP takes no values");
    block({"M0"});
}

void Post::end(const cl::Record& r) {
    if (!r.values.empty()) throw cl::Error("END takes no values");
    end_program();
}

void Post::fini(const cl::Record& r) {
    if (!r.values.empty()) throw cl::Error("FINI takes no values");
    if (!ended_) end_program();
    finished_ = true;
}

// The end: spindle and coolant off, the tool clear, the rotary axes back at zero.
void Post::end_program() {
    end_cycle();
    cycle_.reset();
    cancel_compensation();
    stop_spindle_and_coolant();
    retract();
    machine::Axes home = position_.value_or(machine::Axes{});
    home.a = home.b = home.c = 0;
    if (!at(home, false)) {
        writer_.held(Held::motion, "G0");
        rotary_positions(home);
        writer_.end_block();
    }
    block({"M30"});
    writer_.line("%");
    ended_ = true;
}

} // namespace mill5x
