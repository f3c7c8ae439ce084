#include "postprocessor.h"

#include "circular_arc.h"
#include "cl_reader/error.h"
#include "cl_reader/record.h"
#include "cl_reader/statement_reader.h"
#include "cl_reader/drilling_cycle.h"
#include "cl_reader/feed_units.h"
#include "cl_reader/frame.h"
#include "machine/kinematics.h"
#include "nc_format.h"
#include "nc_program.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <map>
#include <sstream>
#include <utility>

namespace mill5x {

namespace {

using namespace cl;
using namespace machine;
using namespace geometry;

constexpr int angle_decimals = 3;
constexpr int inverse_time_decimals = 4;
constexpr std::array<std::string_view, 6> passed_by{"MACHIN",    "CUTTER", "TLDATA",
                                                    "TOOL PATH", "PAINT",  "END-OF-PATH"};

enum class Motion { unknown, rapid, feed };
enum class FeedMode { unknown, per_minute, inverse_time };

struct Tip {
    Vector point;
    Vector axis{0, 0, 1};
};

// The machine's addresses as last written: a word is written again only when its text
// changes, so the modal state is compared in the form the control sees.
struct Written {
    std::string x, y, z, b, c, f;
    Motion motion = Motion::unknown;
    FeedMode feed_mode = FeedMode::unknown;
    int plane = 17;
};

bool same_direction(const Vector& a, const Vector& b) {
    return std::fabs(a.x - b.x) < 1e-6 && std::fabs(a.y - b.y) < 1e-6 &&
           std::fabs(a.z - b.z) < 1e-6;
}

class Post {
public:
    Post(const machine::Settings& settings, PostResult& result)
        : settings_(settings), result_(result), program_(settings.block_number_step) {}

    void begin(std::string_view cl_name);
    // Post-processes one statement; false when it was FINI.
    bool statement(const cl::Statement& statement);
    // The end of the text came before FINI.
    void finish_without_fini(std::int64_t line);
    std::int64_t block_count() const { return program_.block_count(); }
    NcProgram& program() { return program_; }
    const std::vector<std::string>& new_warnings() const { return new_warnings_; }
    void clear_new_warnings() { new_warnings_.clear(); }

    using Handler = void (Post::*)(const cl::Record&);
    struct Translation {
        std::string_view word;
        Handler handler;
    };
    static const std::array<Translation, 24> translations;

private:
    static Handler handler_of(std::string_view word);

    void partno(const cl::Record& r); // and PPRINT
    void insert(const cl::Record& r);
    void units(const cl::Record& r);
    void loadtl(const cl::Record& r);
    void load(const cl::Record& r);
    void spindl(const cl::Record& r);
    void coolnt(const cl::Record& r);
    void fedrat(const cl::Record& r);
    void rapid(const cl::Record& r);
    void from(const cl::Record& r);
    void gotos(const cl::Record& r);
    void godlta(const cl::Record& r);
    void multax(const cl::Record& r);
    void msys(const cl::Record& r);
    void circle(const cl::Record& r);
    void cycle(const cl::Record& r);
    void cutcom(const cl::Record& r);
    void delay(const cl::Record& r);
    void opstop(const cl::Record& r);
    void stop(const cl::Record& r);
    void end(const cl::Record& r);
    void fini(const cl::Record& r);

    void warn(const std::string& message);
    Tip tip_of(const cl::Record& r);
    void tool_change(const cl::Record& r, std::size_t first);
    void move_to(Tip target, bool rapid);
    void arc_to(const Tip& target);
    void drill(Tip hole);
    void end_program();
    void not_in_cycle(const cl::Record& r) const;
    MachinePosition position_of(Tip& target) const;
    void write_block();
    void start_feed_block(int plane);
    int length_decimals() const { return settings_.units == Units::inch ? 4 : 3; }
    double length_tolerance() const { return settings_.units == Units::inch ? 0.0002 : 0.005; }
    RotaryLimits limits() const {
        return {settings_.b_min, settings_.b_max, settings_.c_min, settings_.c_max};
    }
    FeedUnits feed_units() const { return {cl_factor_, settings_.units == Units::inch}; }

    const machine::Settings& settings_;
    PostResult& result_;
    NcProgram program_;
    std::int64_t line_ = 0;
    cl::Record record_;
    std::vector<std::string> words_; // of the block being built
    std::vector<std::string> new_warnings_;

    double cl_factor_ = 1; // CL units to machine units
    Frame frame_;          // in machine units
    Vector cl_axis_{0, 0, 1};
    std::optional<Tip> tip_;
    std::optional<MachinePosition> position_;
    Written written_;
    bool rapid_next_ = false;
    std::optional<double> feed_; // machine units per minute
    double tool_length_ = 0;
    std::optional<double> spindle_speed_;
    std::string spindle_direction_ = "M3";
    std::optional<Circle> arc_;                // waits for the GOTO of its end
    std::optional<DrillingCycle> cycle_;       // drills at each GOTO
    bool cycle_started_ = false;               // its first hole is made
    std::vector<std::string> next_move_words_; // cutter compensation, for the next move
    bool spindle_on_ = false;
    bool coolant_on_ = false;
    bool ended_ = false;
    bool finished_ = false;
};

const std::array<Post::Translation, 24> Post::translations{{
    {"PARTNO", &Post::partno}, {"PPRINT", &Post::partno}, {"INSERT", &Post::insert},
    {"UNITS", &Post::units},   {"LOADTL", &Post::loadtl}, {"LOAD", &Post::load},
    {"SPINDL", &Post::spindl}, {"COOLNT", &Post::coolnt}, {"FEDRAT", &Post::fedrat},
    {"RAPID", &Post::rapid},   {"FROM", &Post::from},     {"GOTO", &Post::gotos},
    {"GODLTA", &Post::godlta}, {"MULTAX", &Post::multax}, {"MSYS", &Post::msys},
    {"CIRCLE", &Post::circle}, {"MOVARC", &Post::circle}, {"CYCLE", &Post::cycle},
    {"CUTCOM", &Post::cutcom}, {"DELAY", &Post::delay},   {"OPSTOP", &Post::opstop},
    {"STOP", &Post::stop},     {"END", &Post::end},       {"FINI", &Post::fini},
}};

Post::Handler Post::handler_of(std::string_view word) {
    if (word == "GOTO") return &Post::gotos; // nearly every record of a large file
    static const std::map<std::string_view, Handler> table = [] {
        std::map<std::string_view, Handler> t;
        for (const Translation& translation : translations)
            t.emplace(translation.word, translation.handler);
        return t;
    }();
    const auto found = table.find(word);
    return found == table.end() ? nullptr : found->second;
}

void no_values(const cl::Record& r) {
    if (!r.values.empty()) throw cl::Error(r.major + " takes no values");
}

// The one minor word of a record that takes exactly one, checked against the allowed ones.
std::string only_word(const cl::Record& r, std::initializer_list<std::string_view> allowed) {
    if (r.values.size() != 1 || !std::holds_alternative<std::string>(r.values[0]))
        throw cl::Error(r.major + " takes one minor word");
    const std::string& word = std::get<std::string>(r.values[0]);
    for (std::string_view a : allowed)
        if (word == a) return word;
    throw cl::Error(r.major + ": unknown minor word '" + word + "'");
}

// Built by appending: GCC 12 warns falsely (-Wrestrict) about "T" + std::to_string(...).
std::string numbered_word(char letter, long number) {
    std::string word(1, letter);
    word += std::to_string(number);
    return word;
}

std::string comment(std::string_view text) {
    std::string result = "(";
    for (char c : text)
        if (c != '(' && c != ')')
            result += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return result + ")";
}

// A major word as a message shows it: an unknown one may be any length.
std::string shown(const std::string& word) {
    return word.size() <= 40 ? word : word.substr(0, 40) + "...";
}

void Post::begin(std::string_view cl_name) {
    tool_length_ = settings_.tool_length;
    program_.line("%");
    program_.line(comment(std::string("MILL5X ") + std::string(cl_name)));
    program_.block({"G90", "G94", "G17", settings_.units == Units::inch ? "G20" : "G21"});
    written_.feed_mode = FeedMode::per_minute;
}

void Post::warn(const std::string& message) {
    result_.warnings.add(line_, message);
    new_warnings_.push_back(message);
}

bool Post::statement(const cl::Statement& statement) {
    line_ = statement.line;
    read_major(statement.text, record_);
    const Handler handler = handler_of(record_.major);
    if (!handler) {
        if (record_.major.empty())
            warn("a record without a major word is passed by");
        else if (std::find(passed_by.begin(), passed_by.end(), record_.major) != passed_by.end())
            warn(record_.major + " is passed by");
        else
            warn("unknown major word '" + shown(record_.major) + "' is passed by");
        return true;
    }
    if (ended_ && record_.major != "FINI") {
        warn(record_.major + " after END is ignored");
        return true;
    }
    if (arc_ && handler != &Post::gotos)
        throw cl::Error(record_.major + " comes between the circle and the GOTO of the arc's end");
    parse_values(record_);
    (this->*handler)(record_);
    return !finished_;
}

void Post::finish_without_fini(std::int64_t line) {
    line_ = line;
    if (arc_) throw cl::Error("the file ends before the GOTO of the arc's end", line);
    warn("the file ends without FINI: the NC program is ended as by FINI");
    if (!ended_) end_program();
}

void Post::partno(const cl::Record& r) {
    if (!free_text(r).empty()) program_.line(comment(free_text(r)));
}

void Post::insert(const cl::Record& r) {
    if (!r.text.empty()) program_.line(r.text);
}

void Post::units(const cl::Record& r) {
    const std::string word = only_word(r, {"MM", "INCHES", "INCH"});
    const bool cl_inch = word != "MM";
    const bool machine_inch = settings_.units == Units::inch;
    cl_factor_ = cl_inch == machine_inch ? 1.0
                 : cl_inch               ? millimetres_per_inch
                                         : 1.0 / millimetres_per_inch;
}

void Post::loadtl(const cl::Record& r) {
    tool_change(r, 0);
}

void Post::load(const cl::Record& r) {
    if (r.values.empty() || !is_word(r.values[0], "TOOL"))
        throw cl::Error("LOAD: only LOAD/TOOL, n is known");
    tool_change(r, 1);
}

void Post::tool_change(const cl::Record& r, std::size_t first) {
    const double tool = number_at(r, first);
    if (tool < 1 || tool > 9999 || tool != std::floor(tool))
        throw cl::Error(r.major + ": the tool must be a whole number from 1 to 9999");
    std::size_t next = first + 1;
    tool_length_ = settings_.tool_length;
    if (r.values.size() > next) {
        if (!is_word(r.values[next], "LENGTH"))
            throw cl::Error(r.major + ": unknown minor word or value after the tool number");
        const double length = number_at(r, next + 1) * cl_factor_;
        if (length < 0) throw cl::Error(r.major + ": LENGTH must not be negative");
        tool_length_ = length;
        next += 2;
    }
    if (r.values.size() > next) throw cl::Error(r.major + ": too many values");
    program_.block({numbered_word('T', static_cast<long>(tool)), "M6"});
}

void Post::spindl(const cl::Record& r) {
    std::optional<double> speed;
    std::optional<std::string> switch_word;
    std::string direction = spindle_direction_;
    for (const cl::Value& value : r.values) {
        if (const double* number = std::get_if<double>(&value)) {
            if (speed) throw cl::Error("SPINDL: more than one speed");
            speed = *number;
        } else if (is_word(value, "CLW")) {
            direction = "M3";
        } else if (is_word(value, "CCLW")) {
            direction = "M4";
        } else if (is_word(value, "OFF") || is_word(value, "ON")) {
            switch_word = std::get<std::string>(value);
        } else if (!is_word(value, "RPM")) {
            throw cl::Error("SPINDL: unknown minor word '" + std::get<std::string>(value) + "'");
        }
    }
    if (switch_word == "OFF") {
        if (r.values.size() != 1) throw cl::Error("SPINDL/OFF takes no other values");
        program_.block({"M5"});
        spindle_on_ = false;
        return;
    }
    if (!speed && !spindle_speed_) throw cl::Error("SPINDL: no speed given yet");
    if (speed) {
        if (*speed <= 0) throw cl::Error("SPINDL: the speed must be greater than zero");
        // The speed is written in whole revolutions: S0 would not turn the spindle.
        if (std::lround(*speed) < 1) throw cl::Error("SPINDL: the speed must be at least 0.5 rpm");
        if (*speed > settings_.max_spindle) {
            warn("SPINDL: speed " + std::to_string(std::lround(*speed)) +
                 " limited to MAX_SPINDLE");
            *speed = settings_.max_spindle;
        }
        spindle_speed_ = speed;
    }
    spindle_direction_ = direction;
    program_.block({numbered_word('S', std::lround(*spindle_speed_)), spindle_direction_});
    spindle_on_ = true;
}

void Post::coolnt(const cl::Record& r) {
    const std::string word = only_word(r, {"ON", "FLOOD", "MIST", "OFF"});
    coolant_on_ = word != "OFF";
    program_.block({word == "OFF" ? "M9" : word == "MIST" ? "M7" : "M8"});
}

void Post::fedrat(const cl::Record& r) {
    std::optional<double> feed;
    double factor = cl_factor_;
    for (const cl::Value& value : r.values) {
        if (const double* number = std::get_if<double>(&value)) {
            if (feed) throw cl::Error("FEDRAT: more than one feed");
            feed = *number;
        } else if (const auto unit = feed_units().factor(std::get<std::string>(value));
                   unit && !is_word(value, "FEDRAT")) {
            factor = *unit;
        } else {
            throw cl::Error("FEDRAT: unknown minor word '" + std::get<std::string>(value) + "'");
        }
    }
    if (!feed) throw cl::Error("FEDRAT: the feed is missing");
    if (*feed <= 0) throw cl::Error("FEDRAT: the feed must be greater than zero");
    double machine_feed = *feed * factor;
    // A feed that the NC program's decimals round to nothing would be written F0.
    if (nc_address('F', machine_feed, length_decimals()) == "F0.")
        throw cl::Error("FEDRAT: the feed is too small to be written");
    if (machine_feed > settings_.max_feed) {
        warn("FEDRAT: feed limited to MAX_FEED");
        machine_feed = settings_.max_feed;
    }
    feed_ = machine_feed;
}

void Post::rapid(const cl::Record& r) {
    no_values(r);
    rapid_next_ = true;
}

Tip Post::tip_of(const cl::Record& r) {
    if (r.values.size() != 3 && r.values.size() != 6)
        throw cl::Error(r.major + " takes x, y, z or x, y, z, i, j, k, not " +
                      std::to_string(r.values.size()) + " values");
    if (r.values.size() == 6) {
        cl_axis_ = {number_at(r, 3), number_at(r, 4), number_at(r, 5)};
        const double length = norm(cl_axis_);
        if (length >= 1e-9 && std::fabs(length - 1.0) > 1e-4) {
            warn("the tool axis is not a unit vector: normalised");
            cl_axis_ = times(cl_axis_, 1 / length);
        }
    }
    Tip tip;
    tip.point =
        frame_.point(times({number_at(r, 0), number_at(r, 1), number_at(r, 2)}, cl_factor_));
    tip.axis = frame_.direction(cl_axis_);
    return tip;
}

void Post::not_in_cycle(const cl::Record& r) const {
    if (cycle_) throw cl::Error(r.major + " inside a drilling cycle: CYCLE/OFF must come first");
}

void Post::from(const cl::Record& r) {
    not_in_cycle(r);
    move_to(tip_of(r), true);
}

void Post::gotos(const cl::Record& r) {
    const Tip target = tip_of(r);
    if (arc_) {
        arc_to(target);
    } else if (cycle_) {
        drill(target);
    } else {
        move_to(target, std::exchange(rapid_next_, false));
    }
}

void Post::godlta(const cl::Record& r) {
    not_in_cycle(r);
    if (!tip_) throw cl::Error("GODLTA needs a known position: FROM or GOTO first");
    Tip tip = *tip_;
    if (r.values.size() == 1) {
        tip.point = plus(tip.point, times(tip.axis, number_at(r, 0) * cl_factor_));
    } else if (r.values.size() == 3) {
        tip.point =
            plus(tip.point, frame_.direction(times(
                                {number_at(r, 0), number_at(r, 1), number_at(r, 2)}, cl_factor_)));
    } else {
        throw cl::Error("GODLTA takes dx, dy, dz or d, not " + std::to_string(r.values.size()) +
                      " values");
    }
    move_to(tip, std::exchange(rapid_next_, false));
}

void Post::multax(const cl::Record& r) {
    if (r.values.empty()) return;
    if (only_word(r, {"ON", "OFF"}) == "OFF") cl_axis_ = {0, 0, 1};
}

void Post::msys(const cl::Record& r) {
    if (r.values.size() != 9)
        throw cl::Error("MSYS takes x, y, z of the origin and i, j, k of the X and Y axes, not " +
                      std::to_string(r.values.size()) + " values");
    const Vector origin{number_at(r, 0), number_at(r, 1), number_at(r, 2)};
    const Frame frame =
        frame_from(times(origin, cl_factor_), {number_at(r, 3), number_at(r, 4), number_at(r, 5)},
                   {number_at(r, 6), number_at(r, 7), number_at(r, 8)});
    const HeadAngles previous = position_ ? position_->angles : HeadAngles{};
    if (!head_angles(frame.z, previous, limits()))
        throw cl::Error("MSYS: the head cannot reach the operation's Z direction within the B and "
                      "C limits");
    frame_ = frame;
    cl_axis_ = {0, 0, 1}; // the operation's tool axis until its GOTOs give one
}

void Post::circle(const cl::Record& r) {
    not_in_cycle(r);
    if (r.values.size() < 7)
        throw cl::Error(r.major +
                      " takes x, y, z of the centre, i, j, k of the axis and the "
                      "radius, not " +
                      std::to_string(r.values.size()) + " values");
    Circle circle;
    circle.centre =
        frame_.point(times({number_at(r, 0), number_at(r, 1), number_at(r, 2)}, cl_factor_));
    circle.axis = frame_.direction({number_at(r, 3), number_at(r, 4), number_at(r, 5)});
    circle.radius = number_at(r, 6) * cl_factor_;
    if (circle.radius <= 0) throw cl::Error(r.major + ": the radius must be greater than zero");
    if (!tip_) throw cl::Error(r.major + " needs a known start: FROM or GOTO first");
    arc_ = circle;
}

void Post::cycle(const cl::Record& r) {
    cycle_ = read_cycle(r, feed_units());
    cycle_started_ = false;
    if (!cycle_) {
        program_.block({"G80"});
        written_.motion = Motion::unknown; // G80 leaves no motion to repeat
    }
}

void Post::cutcom(const cl::Record& r) {
    if (r.values.empty() || !std::holds_alternative<std::string>(r.values[0]))
        throw cl::Error("CUTCOM takes LEFT, RIGHT or OFF");
    const std::string& side = std::get<std::string>(r.values[0]);
    const char* g_code = side == "LEFT" ? "G41" : side == "RIGHT" ? "G42" : "G40";
    if (side != "LEFT" && side != "RIGHT" && side != "OFF")
        throw cl::Error("CUTCOM: unknown minor word '" + side + "'");
    next_move_words_ = {g_code};
    if (r.values.size() == 1) return;
    const double offset = number_at(r, 1);
    if (side == "OFF" || r.values.size() > 2 || offset < 0 || offset > 999 ||
        offset != std::floor(offset))
        throw cl::Error("CUTCOM: LEFT or RIGHT may be followed by the offset number (0 to 999) "
                      "alone");
    next_move_words_.push_back(numbered_word('D', static_cast<long>(offset)));
}

void Post::delay(const cl::Record& r) {
    if (r.values.size() != 1) throw cl::Error("DELAY takes the time in seconds");
    const double seconds = number_at(r, 0);
    const long milliseconds = std::lround(seconds * 1000);
    if (milliseconds < 1) throw cl::Error("DELAY: the time must be at least 0.001 seconds");
    program_.block({"G4", numbered_word('P', milliseconds)});
    result_.machining_minutes += seconds / 60;
}

void Post::opstop(const cl::Record& r) {
    no_values(r);
    program_.block({"M1"});
}

void Post::stop(const cl::Record& r) {
    no_values(r);
    program_.block({"M0"});
}

void Post::end(const cl::Record& r) {
    no_values(r);
    end_program();
}

void Post::fini(const cl::Record& r) {
    no_values(r);
    if (!ended_) end_program();
    finished_ = true;
}

void Post::end_program() {
    if (cycle_) program_.block({"G80"});
    if (!next_move_words_.empty()) program_.block(std::exchange(next_move_words_, {}));
    if (spindle_on_) program_.block({"M5"});
    if (coolant_on_) program_.block({"M9"});
    program_.block({"M30"});
    program_.line("%");
    cycle_.reset();
    spindle_on_ = coolant_on_ = false;
    ended_ = true;
}

MachinePosition Post::position_of(Tip& target) const {
    Vector& axis = target.axis;
    const double length = norm(axis);
    if (length < 1e-9) throw cl::Error("the tool axis 0, 0, 0 has no direction");
    axis = times(axis, 1 / length);
    const HeadAngles previous_angles = position_ ? position_->angles : HeadAngles{};
    const auto angles = head_angles(axis, previous_angles, limits());
    if (!angles) throw cl::Error("the tool axis needs head angles beyond the B or C limits");
    return {pivot_point(target.point, axis, tool_length_, settings_.pivot_distance), *angles};
}

void Post::write_block() {
    program_.block(words_);
    words_.clear();
}

// The words an arc or a hole begins with: cutter compensation that waits for the next move,
// the plane and the feed per minute where they change.
void Post::start_feed_block(int plane) {
    words_.assign(next_move_words_.begin(), next_move_words_.end());
    next_move_words_.clear();
    if (plane != written_.plane) words_.push_back("G" + std::to_string(plane));
    written_.plane = plane;
    if (written_.feed_mode != FeedMode::per_minute) words_.push_back("G94");
    written_.feed_mode = FeedMode::per_minute;
}

void Post::move_to(Tip target, bool rapid) {
    const MachinePosition to = position_of(target);

    const int d = length_decimals();
    const std::string x = nc_address('X', to.pivot.x, d), y = nc_address('Y', to.pivot.y, d),
                      z = nc_address('Z', to.pivot.z, d),
                      b = nc_address('B', to.angles.b, angle_decimals),
                      c = nc_address('C', to.angles.c, angle_decimals);
    const bool rotary_moves = position_ && (b != written_.b || c != written_.c);
    words_.clear();
    std::size_t axis_words = 0;
    for (auto [text, last] : {std::pair{&x, &written_.x},
                              {&y, &written_.y},
                              {&z, &written_.z},
                              {&b, &written_.b},
                              {&c, &written_.c}})
        if (*text != *last) {
            words_.push_back(*last = *text);
            ++axis_words;
        }

    const std::optional<MachinePosition> from = position_;
    tip_ = target;
    position_ = to;
    if (axis_words == 0) return; // already there: no block
    const double distance = from ? move_distance(*from, to) : 0.0;
    words_.insert(words_.begin(), next_move_words_.begin(), next_move_words_.end());
    next_move_words_.clear();

    if (rapid) {
        if (written_.motion != Motion::rapid) words_.insert(words_.begin(), "G0");
        written_.motion = Motion::rapid;
        write_block();
        ++result_.rapid_moves;
        result_.machining_minutes += distance / settings_.rapid_feed;
        return;
    }

    if (!feed_) throw cl::Error("no feed rate for this cutting move: FEDRAT is missing");
    std::string f;
    FeedMode mode = FeedMode::per_minute;
    if (settings_.inverse_time && rotary_moves && distance > 1e-6) {
        const double frn = *feed_ / distance;
        f = nc_address('F', frn, inverse_time_decimals);
        if (f == "F0.") throw cl::Error("the move is too long for an inverse-time feed");
        mode = FeedMode::inverse_time;
        result_.machining_minutes += 1.0 / frn;
        ++result_.inverse_time_moves;
    } else {
        f = nc_address('F', *feed_, d);
        result_.machining_minutes += distance / *feed_;
        ++result_.feed_moves;
    }
    // An inverse-time number holds for its own block only; a feed per minute is modal.
    const bool write_f =
        mode == FeedMode::inverse_time || mode != written_.feed_mode || f != written_.f;
    std::vector<std::string> modal;
    if (mode != written_.feed_mode) modal.push_back(mode == FeedMode::inverse_time ? "G93" : "G94");
    if (written_.motion != Motion::feed) modal.push_back("G1");
    words_.insert(words_.begin(), modal.begin(), modal.end());
    if (write_f) words_.push_back(f);
    written_.f = mode == FeedMode::inverse_time ? std::string() : f;
    written_.feed_mode = mode;
    written_.motion = Motion::feed;
    write_block();
}

void Post::arc_to(const Tip& end) {
    const Circle circle = *std::exchange(arc_, std::nullopt);
    rapid_next_ = false;
    Tip target = end;
    const MachinePosition to = position_of(target);
    if (!same_direction(target.axis, tip_->axis))
        throw cl::Error("the tool axis must not change along an arc");
    const ArcMove arc = arc_move(tip_->point, end.point, circle, length_tolerance());
    if (!feed_) throw cl::Error("no feed rate for this cutting move: FEDRAT is missing");
    const int d = length_decimals();

    start_feed_block(arc.plane);
    words_.push_back(arc.clockwise ? "G2" : "G3");
    // Both axes of the plane always, so a full circle reads as one; the third on a helix.
    const std::pair<char, double> axes[] = {
        {'X', to.pivot.x}, {'Y', to.pivot.y}, {'Z', to.pivot.z}};
    std::string* written[] = {&written_.x, &written_.y, &written_.z};
    const int normal = arc.plane == 17 ? 2 : arc.plane == 18 ? 1 : 0;
    for (int i = 0; i < 3; ++i) {
        const std::string word = nc_address(axes[i].first, axes[i].second, d);
        if (i != normal || word != *written[i]) words_.push_back(word);
        *written[i] = word;
    }
    const std::pair<char, double> offsets[] = {
        {'I', arc.centre_offset.x}, {'J', arc.centre_offset.y}, {'K', arc.centre_offset.z}};
    for (int i = 0; i < 3; ++i)
        if (i != normal) words_.push_back(nc_address(offsets[i].first, offsets[i].second, d));
    const std::string f = nc_address('F', *feed_, d);
    if (f != written_.f) words_.push_back(f);
    written_.f = f;
    written_.motion = Motion::unknown; // G2 or G3 is modal: the next line writes its G1 or G0
    tip_ = target;
    position_ = to;
    write_block();
    ++result_.feed_moves;
    result_.machining_minutes += arc.length / *feed_;
}

void Post::drill(Tip hole) {
    const DrillingCycle& cycle = *cycle_;
    rapid_next_ = false;
    position_of(hole); // checks and normalises its tool axis
    if (!position_ || !same_direction(hole.axis, {0, 0, 1}) ||
        !same_direction(tip_->axis, {0, 0, 1}))
        throw cl::Error("a drilling cycle needs the tool along +Z, from a known position");
    const std::optional<double> feed = cycle.feed ? cycle.feed : feed_;
    if (!feed) throw cl::Error("no feed rate for the drilling cycle: FEDRAT is missing");
    const double lift = tool_length_ + settings_.pivot_distance;
    const double top = hole.point.z + lift;
    const double r_level = top + cycle.clearance * cl_factor_;
    const std::optional<double> retract_level =
        cycle.retract ? std::optional(top + *cycle.retract * cl_factor_) : std::nullopt;
    const int d = length_decimals();

    if (retract_level && !cycle_started_) {
        // G98 returns to the height the cycle starts from: go there first.
        const std::string z = nc_address('Z', *retract_level, d);
        if (z != written_.z) program_.block({written_.motion == Motion::rapid ? "" : "G0", z});
        written_.z = z;
        written_.motion = Motion::rapid;
    }
    cycle_started_ = true;
    start_feed_block(17);
    words_.push_back(std::string(cycle.g_code));
    words_.push_back(retract_level ? "G98" : "G99");
    MachinePosition to = *position_;
    to.pivot = {hole.point.x, hole.point.y, retract_level ? *retract_level : r_level};
    written_.x = nc_address('X', to.pivot.x, d);
    written_.y = nc_address('Y', to.pivot.y, d);
    words_.push_back(written_.x);
    words_.push_back(written_.y);
    words_.push_back(nc_address('Z', top - cycle.depth * cl_factor_, d));
    words_.push_back(nc_address('R', r_level, d));
    if (cycle.step) words_.push_back(nc_address('Q', *cycle.step * cl_factor_, d));
    written_.f = nc_address('F', *feed, d);
    words_.push_back(written_.f);
    write_block();
    written_.z = nc_address('Z', to.pivot.z, d);
    written_.motion = Motion::unknown;

    const double cutting = (cycle.clearance + cycle.depth) * cl_factor_;
    const bool feeds_out = cycle.g_code == "G84" || cycle.g_code == "G85";
    result_.machining_minutes += cutting * (feeds_out ? 2 : 1) / *feed +
                                 move_distance(*position_, to) / settings_.rapid_feed;
    ++result_.feed_moves;
    tip_ = hole;
    tip_->point.z = to.pivot.z - lift;
    position_ = to;
}

void append_line(std::ostream& out, std::string_view line) {
    out.write(line.data(), static_cast<std::streamsize>(line.size()));
    out.write("\r\n", 2);
}

std::string right_aligned(std::int64_t number, std::size_t width) {
    std::string text = std::to_string(number);
    return std::string(text.size() < width ? width - text.size() : 0, ' ') + text;
}

} // namespace

PostResult post_process(std::istream& cl, std::ostream& nc_program, std::ostream& listing,
                        const machine::Settings& settings, std::string_view cl_name) {
    PostResult result;
    Post post(settings, result);
    cl::StatementReader reader(cl);

    append_line(listing, "MILL5X listing of " + std::string(cl_name));
    append_line(listing, "");
    const std::string indent = "          ";
    const auto list_output = [&] {
        std::string_view lines = post.program().new_lines();
        nc_program.write(lines.data(), static_cast<std::streamsize>(lines.size()));
        for (std::size_t end; (end = lines.find('\n')) != std::string_view::npos;
             lines.remove_prefix(end + 1)) {
            listing.write(indent.data(), static_cast<std::streamsize>(indent.size()));
            listing.write(lines.data(), static_cast<std::streamsize>(end + 1));
        }
        post.program().clear_new_lines();
        for (const std::string& message : post.new_warnings())
            append_line(listing, indent + "*** warning: " + message);
        post.clear_new_warnings();
    };

    append_line(listing, "  line  CL record / NC blocks");
    post.begin(cl_name);
    list_output();

    cl::Statement statement;
    bool finished = false;
    try {
        while (reader.next(statement)) {
            if (finished) {
                result.warnings.add(statement.line, "text after FINI is ignored");
                break;
            }
            listing << right_aligned(statement.line, 6) << "  ";
            append_line(listing, statement.text);
            ++result.record_count;
            try {
                finished = !post.statement(statement);
            } catch (const cl::Error&) {
                list_output();
                throw;
            }
            list_output();
        }
        if (!finished) {
            post.finish_without_fini(reader.line_count() + 1);
            list_output();
        }
    } catch (const cl::Error& error) {
        result.error = Problem{error.line() ? error.line() : statement.line, error.what()};
        append_line(listing, indent + "*** error: " + result.error->message +
                                 " - the NC program stops here");
    }
    result.line_count = reader.line_count();
    result.block_count = post.block_count();
    return result;
}

PostText post_process(std::string_view cl_text, const machine::Settings& settings,
                      std::string_view cl_name) {
    std::istringstream cl{std::string(cl_text)};
    std::ostringstream nc_program, listing;
    PostText text;
    static_cast<PostResult&>(text) = post_process(cl, nc_program, listing, settings, cl_name);
    text.nc_program = std::move(nc_program).str();
    text.listing = std::move(listing).str();
    return text;
}

std::span<const std::string_view> translated_words() {
    static const auto words = [] {
        std::vector<std::string_view> names;
        for (const Post::Translation& translation : Post::translations)
            names.push_back(translation.word);
        return names;
    }();
    return words;
}

std::span<const std::string_view> passed_by_words() {
    return passed_by;
}

} // namespace mill5x
