#include "postprocessor.h"

#include "cl_error.h"
#include "cl_record.h"
#include "cl_source.h"
#include "head_kinematics.h"
#include "nc_format.h"
#include "nc_program.h"

#include <cctype>
#include <cmath>
#include <functional>
#include <map>
#include <utility>

namespace mill5x {

namespace {

constexpr double millimetres_per_inch = 25.4;
constexpr int angle_decimals = 3;
constexpr int inverse_time_decimals = 4;

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
};

class Post {
public:
    Post(const MachineSettings& settings, PostResult& result)
        : settings_(settings), result_(result), program_(settings.block_number_step),
          cl_factor_(1.0) {}

    void begin(std::string_view cl_name);
    // Post-processes one statement; false when it was FINI.
    bool statement(const ClStatement& statement);
    const std::string& nc_text() const { return program_.text(); }
    int block_count() const { return program_.block_count(); }
    std::vector<std::string> new_lines() { return program_.take_new_lines(); }

private:
    using Handler = void (Post::*)(const ClRecord&);
    static const std::map<std::string, Handler, std::less<>>& handlers();

    void partno(const ClRecord& r);
    void units(const ClRecord& r);
    void loadtl(const ClRecord& r);
    void spindl(const ClRecord& r);
    void coolnt(const ClRecord& r);
    void fedrat(const ClRecord& r);
    void rapid(const ClRecord& r);
    void from(const ClRecord& r);
    void gotos(const ClRecord& r);
    void godlta(const ClRecord& r);
    void multax(const ClRecord& r);
    void end(const ClRecord& r);
    void fini(const ClRecord& r);

    void warn(const std::string& message) { result_.warnings.push_back({line_, message}); }
    Tip tip_of(const ClRecord& r) const;
    void move_to(Tip target, bool rapid);
    void end_program();
    int length_decimals() const { return settings_.units == Units::inch ? 4 : 3; }

    const MachineSettings& settings_;
    PostResult& result_;
    NcProgram program_;
    int line_ = 0;

    double cl_factor_; // CL units to machine units
    std::optional<Tip> tip_;
    std::optional<MachinePosition> position_;
    Written written_;
    bool rapid_next_ = false;
    std::optional<double> feed_; // machine units per minute
    double tool_length_ = 0;
    std::optional<double> spindle_speed_;
    std::string spindle_direction_ = "M3";
    bool spindle_on_ = false;
    bool coolant_on_ = false;
    bool ended_ = false;
    bool finished_ = false;
};

const std::map<std::string, Post::Handler, std::less<>>& Post::handlers() {
    static const std::map<std::string, Handler, std::less<>> table = {
        {"PARTNO", &Post::partno}, {"UNITS", &Post::units},   {"LOADTL", &Post::loadtl},
        {"SPINDL", &Post::spindl}, {"COOLNT", &Post::coolnt}, {"FEDRAT", &Post::fedrat},
        {"RAPID", &Post::rapid},   {"FROM", &Post::from},     {"GOTO", &Post::gotos},
        {"GODLTA", &Post::godlta}, {"MULTAX", &Post::multax}, {"END", &Post::end},
        {"FINI", &Post::fini},
    };
    return table;
}

void no_values(const ClRecord& r) {
    if (!r.values.empty()) throw ClError(r.major + " takes no values");
}

// The one minor word of a record that takes exactly one, checked against the allowed ones.
std::string only_word(const ClRecord& r, std::initializer_list<std::string_view> allowed) {
    if (r.values.size() != 1 || !std::holds_alternative<std::string>(r.values[0]))
        throw ClError(r.major + " takes one minor word");
    const std::string& word = std::get<std::string>(r.values[0]);
    for (std::string_view a : allowed)
        if (word == a) return word;
    throw ClError(r.major + ": unknown minor word '" + word + "'");
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

void Post::begin(std::string_view cl_name) {
    tool_length_ = settings_.tool_length;
    program_.line("%");
    program_.line(comment(std::string("MILL5X ") + std::string(cl_name)));
    program_.block({"G90", "G94", "G17", settings_.units == Units::inch ? "G20" : "G21"});
    written_.feed_mode = FeedMode::per_minute;
}

bool Post::statement(const ClStatement& statement) {
    line_ = statement.line;
    const ClRecord record = parse_cl_record(statement.text);
    const auto handler = handlers().find(record.major);
    if (handler == handlers().end()) throw ClError("unknown major word '" + record.major + "'");
    if (ended_ && record.major != "FINI") {
        warn(record.major + " after END is ignored");
        return true;
    }
    (this->*handler->second)(record);
    return !finished_;
}

void Post::partno(const ClRecord& r) {
    if (!r.text.empty()) program_.line(comment(r.text));
}

void Post::units(const ClRecord& r) {
    const std::string word = only_word(r, {"MM", "INCHES", "INCH"});
    const bool cl_inch = word != "MM";
    const bool machine_inch = settings_.units == Units::inch;
    cl_factor_ = cl_inch == machine_inch ? 1.0
                 : cl_inch               ? millimetres_per_inch
                                         : 1.0 / millimetres_per_inch;
}

void Post::loadtl(const ClRecord& r) {
    const double tool = number_at(r, 0);
    if (tool < 1 || tool > 9999 || tool != std::floor(tool))
        throw ClError("LOADTL: the tool must be a whole number from 1 to 9999");
    std::size_t next = 1;
    tool_length_ = settings_.tool_length;
    if (r.values.size() > next) {
        if (!is_word(r.values[next], "LENGTH"))
            throw ClError("LOADTL: unknown minor word or value after the tool number");
        const double length = number_at(r, next + 1) * cl_factor_;
        if (length < 0) throw ClError("LOADTL: LENGTH must not be negative");
        tool_length_ = length;
        next += 2;
    }
    if (r.values.size() > next) throw ClError("LOADTL: too many values");
    program_.block({numbered_word('T', static_cast<long>(tool)), "M6"});
}

void Post::spindl(const ClRecord& r) {
    std::optional<double> speed;
    std::optional<std::string> switch_word;
    std::string direction = spindle_direction_;
    for (const ClValue& value : r.values) {
        if (const double* number = std::get_if<double>(&value)) {
            if (speed) throw ClError("SPINDL: more than one speed");
            speed = *number;
        } else if (is_word(value, "CLW")) {
            direction = "M3";
        } else if (is_word(value, "CCLW")) {
            direction = "M4";
        } else if (is_word(value, "OFF") || is_word(value, "ON")) {
            switch_word = std::get<std::string>(value);
        } else if (!is_word(value, "RPM")) {
            throw ClError("SPINDL: unknown minor word '" + std::get<std::string>(value) + "'");
        }
    }
    if (switch_word == "OFF") {
        if (r.values.size() != 1) throw ClError("SPINDL/OFF takes no other values");
        program_.block({"M5"});
        spindle_on_ = false;
        return;
    }
    if (!speed && !spindle_speed_) throw ClError("SPINDL: no speed given yet");
    if (speed) {
        if (*speed <= 0) throw ClError("SPINDL: the speed must be greater than zero");
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

void Post::coolnt(const ClRecord& r) {
    const std::string word = only_word(r, {"ON", "FLOOD", "MIST", "OFF"});
    coolant_on_ = word != "OFF";
    program_.block({word == "OFF" ? "M9" : word == "MIST" ? "M7" : "M8"});
}

void Post::fedrat(const ClRecord& r) {
    std::optional<double> feed;
    double factor = cl_factor_;
    const bool machine_inch = settings_.units == Units::inch;
    for (const ClValue& value : r.values) {
        if (const double* number = std::get_if<double>(&value)) {
            if (feed) throw ClError("FEDRAT: more than one feed");
            feed = *number;
        } else if (is_word(value, "MMPM")) {
            factor = machine_inch ? 1.0 / millimetres_per_inch : 1.0;
        } else if (is_word(value, "IPM")) {
            factor = machine_inch ? 1.0 : millimetres_per_inch;
        } else {
            throw ClError("FEDRAT: unknown minor word '" + std::get<std::string>(value) + "'");
        }
    }
    if (!feed) throw ClError("FEDRAT: the feed is missing");
    if (*feed <= 0) throw ClError("FEDRAT: the feed must be greater than zero");
    double machine_feed = *feed * factor;
    if (machine_feed > settings_.max_feed) {
        warn("FEDRAT: feed limited to MAX_FEED");
        machine_feed = settings_.max_feed;
    }
    feed_ = machine_feed;
}

void Post::rapid(const ClRecord& r) {
    no_values(r);
    rapid_next_ = true;
}

Tip Post::tip_of(const ClRecord& r) const {
    if (r.values.size() != 3 && r.values.size() != 6)
        throw ClError(r.major + " takes x, y, z or x, y, z, i, j, k, not " +
                      std::to_string(r.values.size()) + " values");
    Tip tip;
    tip.point = {number_at(r, 0) * cl_factor_, number_at(r, 1) * cl_factor_,
                 number_at(r, 2) * cl_factor_};
    tip.axis = tip_ ? tip_->axis : Vector{0, 0, 1};
    if (r.values.size() == 6) tip.axis = {number_at(r, 3), number_at(r, 4), number_at(r, 5)};
    return tip;
}

void Post::from(const ClRecord& r) {
    move_to(tip_of(r), true);
}

void Post::gotos(const ClRecord& r) {
    move_to(tip_of(r), std::exchange(rapid_next_, false));
}

void Post::godlta(const ClRecord& r) {
    if (!tip_) throw ClError("GODLTA needs a known position: FROM or GOTO first");
    Tip tip = *tip_;
    if (r.values.size() == 1) {
        const double d = number_at(r, 0) * cl_factor_;
        tip.point = {tip.point.x + d * tip.axis.x, tip.point.y + d * tip.axis.y,
                     tip.point.z + d * tip.axis.z};
    } else if (r.values.size() == 3) {
        tip.point = {tip.point.x + number_at(r, 0) * cl_factor_,
                     tip.point.y + number_at(r, 1) * cl_factor_,
                     tip.point.z + number_at(r, 2) * cl_factor_};
    } else {
        throw ClError("GODLTA takes dx, dy, dz or d, not " + std::to_string(r.values.size()) +
                      " values");
    }
    move_to(tip, std::exchange(rapid_next_, false));
}

void Post::multax(const ClRecord& r) {
    if (r.values.empty()) return;
    if (only_word(r, {"ON", "OFF"}) == "OFF" && tip_) tip_->axis = {0, 0, 1};
}

void Post::end(const ClRecord& r) {
    no_values(r);
    end_program();
}

void Post::fini(const ClRecord& r) {
    no_values(r);
    if (!ended_) end_program();
    finished_ = true;
}

void Post::end_program() {
    if (spindle_on_) program_.block({"M5"});
    if (coolant_on_) program_.block({"M9"});
    program_.block({"M30"});
    program_.line("%");
    spindle_on_ = coolant_on_ = false;
    ended_ = true;
}

void Post::move_to(Tip target, bool rapid) {
    Vector& axis = target.axis;
    const double length = std::sqrt(axis.x * axis.x + axis.y * axis.y + axis.z * axis.z);
    if (length < 1e-9) throw ClError("the tool axis 0, 0, 0 has no direction");
    if (std::fabs(length - 1.0) > 1e-4) warn("the tool axis is not a unit vector: normalised");
    axis = {axis.x / length, axis.y / length, axis.z / length};

    const HeadAngles previous_angles = position_ ? position_->angles : HeadAngles{};
    const auto angles =
        head_angles(axis, previous_angles,
                    {settings_.b_min, settings_.b_max, settings_.c_min, settings_.c_max});
    if (!angles) throw ClError("the tool axis needs head angles beyond the B or C limits");
    const MachinePosition to{
        pivot_point(target.point, axis, tool_length_, settings_.pivot_distance), *angles};

    const int d = length_decimals();
    const std::string x = nc_address('X', to.pivot.x, d), y = nc_address('Y', to.pivot.y, d),
                      z = nc_address('Z', to.pivot.z, d),
                      b = nc_address('B', to.angles.b, angle_decimals),
                      c = nc_address('C', to.angles.c, angle_decimals);
    const bool rotary_moves = position_ && (b != written_.b || c != written_.c);
    std::vector<std::string> axis_words;
    for (auto [text, last] : {std::pair{&x, &written_.x},
                              {&y, &written_.y},
                              {&z, &written_.z},
                              {&b, &written_.b},
                              {&c, &written_.c}})
        if (*text != *last) axis_words.push_back(*last = *text);

    const std::optional<MachinePosition> from = position_;
    tip_ = target;
    position_ = to;
    if (axis_words.empty()) return; // already there: no block
    const double distance = from ? move_distance(*from, to) : 0.0;

    std::vector<std::string> words;
    if (rapid) {
        if (written_.motion != Motion::rapid) words.push_back("G0");
        written_.motion = Motion::rapid;
        words.insert(words.end(), axis_words.begin(), axis_words.end());
        program_.block(words);
        ++result_.rapid_moves;
        result_.machining_minutes += distance / settings_.rapid_feed;
        return;
    }

    if (!feed_) throw ClError("no feed rate for this cutting move: FEDRAT is missing");
    std::string f;
    FeedMode mode = FeedMode::per_minute;
    if (settings_.inverse_time && rotary_moves && distance > 1e-6) {
        const double frn = *feed_ / distance;
        f = nc_address('F', frn, inverse_time_decimals);
        if (f == "F0.") throw ClError("the move is too long for an inverse-time feed");
        mode = FeedMode::inverse_time;
        result_.machining_minutes += 1.0 / frn;
        ++result_.inverse_time_moves;
    } else {
        f = nc_address('F', *feed_, d);
        result_.machining_minutes += distance / *feed_;
        ++result_.feed_moves;
    }
    if (mode != written_.feed_mode) words.push_back(mode == FeedMode::inverse_time ? "G93" : "G94");
    if (written_.motion != Motion::feed) words.push_back("G1");
    words.insert(words.end(), axis_words.begin(), axis_words.end());
    // An inverse-time number holds for its own block only; a feed per minute is modal.
    if (mode == FeedMode::inverse_time || mode != written_.feed_mode || f != written_.f)
        words.push_back(f);
    written_.f = mode == FeedMode::inverse_time ? std::string() : f;
    written_.feed_mode = mode;
    written_.motion = Motion::feed;
    program_.block(words);
}

void append_line(std::string& text, const std::string& line) {
    text += line;
    text += "\r\n";
}

std::string right_aligned(int number, std::size_t width) {
    std::string text = std::to_string(number);
    return std::string(text.size() < width ? width - text.size() : 0, ' ') + text;
}

} // namespace

PostResult post_process(std::string_view cl_text, const MachineSettings& settings,
                        std::string_view cl_name) {
    PostResult result;
    const ClSource source = read_cl_source(cl_text);
    result.line_count = source.line_count;
    Post post(settings, result);

    std::string& listing = result.listing;
    append_line(listing, "MILL5X listing of " + std::string(cl_name));
    append_line(listing, "");
    const auto list_blocks = [&] {
        for (const std::string& line : post.new_lines())
            append_line(listing, "          " + line);
    };
    const auto list_problems = [&](std::size_t warnings_before) {
        for (std::size_t i = warnings_before; i < result.warnings.size(); ++i)
            append_line(listing, "          *** warning: " + result.warnings[i].message);
    };

    append_line(listing, "  line  CL record / NC blocks");
    post.begin(cl_name);
    list_blocks();

    bool finished = false;
    for (const ClStatement& statement : source.statements) {
        if (finished) {
            result.warnings.push_back({statement.line, "text after FINI is ignored"});
            break;
        }
        append_line(listing, right_aligned(statement.line, 6) + "  " + statement.text);
        ++result.record_count;
        const std::size_t warnings_before = result.warnings.size();
        try {
            finished = !post.statement(statement);
        } catch (const ClError& error) {
            result.error = Problem{statement.line, error.what()};
        }
        list_blocks();
        list_problems(warnings_before);
        if (result.error) break;
    }
    if (!result.error && !finished) {
        if (source.unfinished_continuation_line)
            result.error = Problem{*source.unfinished_continuation_line,
                                   "the file ends inside a record continued with '$'"};
        else
            result.error = Problem{source.line_count + 1, "the file ends without FINI"};
    }
    if (result.error)
        append_line(listing, "          *** error: " + result.error->message +
                                 " - the NC program stops here");

    result.nc_program = post.nc_text();
    result.block_count = post.block_count();
    return result;
}

} // namespace mill5x
