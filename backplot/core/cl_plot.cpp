// A CL file read into a picture: the tip and tool axis of each position as the CL reader gives
// them, in the units of the file (or of the machine's settings, when given).

#include "readers.h"

#include "number_text.h"

#include "cl_reader/drilling_cycle.h"
#include "cl_reader/error.h"
#include "cl_reader/machine_words.h"
#include "cl_reader/statement_reader.h"
#include "cl_reader/tool_path.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <istream>
#include <numbers>
#include <optional>
#include <streambuf>
#include <string>
#include <utility>

namespace backplot {

namespace {

using geometry::distance;

// The text as a stream, read where it lies.
class TextBuffer : public std::streambuf {
public:
    explicit TextBuffer(std::string_view text) {
        char* first = const_cast<char*>(text.data());
        setg(first, first, first + text.size());
    }
};

// Words that change nothing in the picture, passed by without a warning. The free-text words
// take any characters, so their values are never read.
constexpr std::array<std::string_view, 17> quiet_words{
    "PARTNO", "PPRINT", "INSERT", "CUTTER", "TOOL PATH",   "TLDATA", "COOLNT", "CUTCOM", "END",
    "FINI",   "STOP",   "OPSTOP", "MACHIN", "END-OF-PATH", "PAINT",  "CLRSRF", "NOPOST"};

bool is_quiet(const std::string& word) {
    return std::find(quiet_words.begin(), quiet_words.end(), word) != quiet_words.end();
}

std::string shown(const std::string& word) {
    return word.size() <= 40 ? word : word.substr(0, 40) + "...";
}

std::string upper(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return result;
}

// Whether the file says UNITS/INCHES before its first position: then the picture is in inches.
bool starts_in_inches(const LineIndex& lines) {
    for (std::size_t n = 1; n <= std::min<std::size_t>(lines.count(), 200); ++n) {
        std::string line = upper(lines.line(n));
        line.erase(std::remove(line.begin(), line.end(), ' '), line.end());
        if (line.starts_with("UNITS/")) return line.starts_with("UNITS/INCH");
        if (line.starts_with("GOTO/") || line.starts_with("FROM/")) return false;
    }
    return false;
}

bool feeds_out(cl::CycleType type) {
    return type == cl::CycleType::tap || type == cl::CycleType::bore || type == cl::CycleType::ream;
}

class ClPlotReader {
public:
    ClPlotReader(PlotBuilder& plot, const machine::Settings* settings)
        : plot_(plot), inch_(settings ? settings->units == machine::Units::inch
                                      : starts_in_inches(plot.lines())),
          path_(inch_), rapid_feed_(settings ? settings->rapid_feed : default_rapid_feed) {
        plot_.set_units(inch_ ? nc::Units::inch : nc::Units::millimetre);
    }

    void read() {
        TextBuffer buffer(plot_.text());
        std::istream stream(&buffer);
        cl::StatementReader reader(stream);
        cl::Statement statement;
        while (true) {
            try {
                if (!reader.next(statement)) break;
            } catch (const cl::Error& error) {
                plot_.warn(error.line(), std::string(error.what()) + ": it is passed by");
                continue;
            }
            line_ = statement.line;
            record(statement.text);
        }
        if (circle_) plot_.warn(circle_line_, "the file ends before the GOTO of the arc's end");
        plot_.ranges_from_box();
    }

private:
    void record(const std::string& text) {
        cl::read_major(text, record_);
        const std::string& major = record_.major;
        if (circle_ && major != "GOTO") {
            plot_.warn(circle_line_,
                       "no GOTO of the arc's end follows the circle: it is passed by");
            circle_.reset();
        }
        if (major.empty()) return plot_.warn(line_, "a record without a major word is passed by");
        if (is_quiet(major)) return;
        try {
            cl::parse_values(record_);
            if (!run(major))
                plot_.warn(line_, "unknown major word '" + shown(major) + "' is passed by");
        } catch (const cl::Error& error) {
            plot_.warn(line_, std::string(error.what()) + ": the record is passed by");
        }
    }

    // Runs the record's word; false for a word it does not know.
    bool run(const std::string& major) {
        if (major == "GOTO") {
            go_to(position());
        } else if (major == "FROM") {
            const cl::ToolPosition at = position();
            plot_.start_path(line_, at.tip, at.axis, Style::rapid);
            tip_ = at;
        } else if (major == "GODLTA") {
            if (!tip_) throw cl::Error("GODLTA needs a known position: FROM or GOTO first");
            move_to(path_.delta(record_, *tip_), std::exchange(rapid_next_, false));
        } else if (major == "RAPID") {
            rapid_next_ = true;
        } else if (major == "FEDRAT") {
            feed_ = cl::read_feed(record_);
        } else if (major == "SPINDL") {
            if (const cl::Spindle spindle = cl::read_spindle(record_); spindle.speed)
                spindle_speed_ = *spindle.speed;
        } else if (major == "CIRCLE" || major == "MOVARC") {
            if (!tip_) throw cl::Error(major + " needs a known start: FROM or GOTO first");
            circle_ = path_.circle(record_);
            circle_line_ = line_;
        } else if (major == "CYCLE") {
            cycle_command(cl::read_cycle(record_));
        } else if (major == "MSYS") {
            path_.set_frame(path_.frame_of(record_));
        } else if (major == "UNITS") {
            path_.set_units(record_);
        } else if (major == "MULTAX") {
            path_.multax(record_);
        } else if (major == "LOADTL" || major == "LOAD") {
            const cl::ToolLoad load = cl::read_tool_load(record_);
            plot_.tool_change(line_, load.tool,
                              load.length ? path_.units().length(*load.length) : 0);
        } else if (major == "SELECT") {
            cl::read_tool_load(record_); // the tool waits for its LOADTL
        } else if (major == "DELAY") {
            const double seconds = cl::number_at(record_, 0);
            if (seconds < 0) throw cl::Error("DELAY: the time must not be negative");
            plot_.motion().minutes += seconds / 60;
        } else {
            return false;
        }
        return true;
    }

    cl::ToolPosition position() {
        bool normalised = false;
        const cl::ToolPosition at = path_.position(record_, normalised);
        if (normalised) plot_.warn(line_, "the tool axis is not a unit vector: normalised");
        return at;
    }

    void go_to(const cl::ToolPosition& at) {
        if (circle_) {
            arc_to(at, *std::exchange(circle_, std::nullopt));
            rapid_next_ = false;
        } else if (cycle_) {
            hole(at);
            rapid_next_ = false;
        } else {
            move_to(at, std::exchange(rapid_next_, false));
        }
    }

    void cycle_command(const cl::CycleCommand& command) {
        switch (command.kind) {
        case cl::CycleCommand::Kind::off:
            cycle_.reset();
            break;
        case cl::CycleCommand::Kind::on:
            if (!last_cycle_) throw cl::Error("CYCLE/ON: no cycle was given to turn on again");
            cycle_ = last_cycle_;
            break;
        case cl::CycleCommand::Kind::start:
            cycle_ = last_cycle_ = command.cycle;
            break;
        }
    }

    // Units a minute; 0 when not known (the move's time is then left out, with a warning once).
    double feed_per_minute(const std::optional<cl::Feed>& feed) {
        if (!feed) {
            warn_once(no_feed_warned_, "a feed move without a feed rate (FEDRAT): its time is "
                                       "left out, as of every such move");
            return 0;
        }
        double value = path_.units().feed(*feed);
        if (feed->per_revolution()) {
            if (spindle_speed_ <= 0) {
                warn_once(no_spindle_warned_, "a feed per revolution without the spindle speed "
                                              "(SPINDL): its time is left out");
                return 0;
            }
            value *= spindle_speed_;
        }
        return value;
    }

    void warn_once(bool& warned, const char* text) {
        if (!warned) plot_.warn(line_, text);
        warned = true;
    }

    void add_feed(double length, const std::optional<cl::Feed>& feed) {
        plot_.motion().feed_length += length;
        if (const double per_minute = feed_per_minute(feed); per_minute > 0)
            plot_.motion().minutes += length / per_minute;
    }

    void add_rapid(double length) {
        plot_.motion().rapid_length += length;
        plot_.motion().minutes += length / rapid_feed_;
    }

    void move_to(const cl::ToolPosition& at, bool rapid) {
        const Style style = rapid ? Style::rapid : Style::feed;
        if (!tip_) {
            plot_.start_path(line_, at.tip, at.axis, style);
        } else {
            const double length = distance(tip_->tip, at.tip);
            if (rapid)
                add_rapid(length);
            else
                add_feed(length, feed_);
            plot_.straight(line_, at.tip, at.axis, style);
        }
        tip_ = at;
    }

    // From the tip along the circle to the end: the tool turns counter-clockwise about the
    // circle's axis, and a change along the axis makes a helix.
    void arc_to(const cl::ToolPosition& end, const cl::Circle& circle) {
        const Vector start = tip_->tip;
        const Vector normal = geometry::times(circle.axis, 1 / geometry::norm(circle.axis));
        const Vector centre = geometry::plus(
            circle.centre,
            geometry::times(normal, geometry::dot(geometry::minus(start, circle.centre), normal)));
        const double rise = geometry::dot(geometry::minus(end.tip, start), normal);
        const Vector from = geometry::minus(start, centre);
        const Vector to_raised = geometry::minus(end.tip, centre);
        const Vector to = geometry::minus(to_raised, geometry::times(normal, rise));
        const double start_radius = geometry::norm(from), end_radius = geometry::norm(to);
        const double tolerance = inch_ ? 0.0005 : 0.01;
        if (start_radius <= tolerance) {
            plot_.warn(line_, "the arc starts at its centre: drawn as a straight move");
            return move_to(end, false);
        }
        const double off = std::max(std::fabs(start_radius - circle.radius),
                                    std::fabs(end_radius - circle.radius));
        if (off > tolerance)
            plot_.warn(circle_line_,
                       "the arc's start or end lies " + number_text(off, 4) + " off its circle");
        double turn =
            std::atan2(geometry::dot(geometry::cross(from, to), normal), geometry::dot(from, to));
        if (distance(from, to) <= tolerance || turn <= 0) turn += 2 * std::numbers::pi;
        if (turn > 2 * std::numbers::pi) turn = 2 * std::numbers::pi;
        add_feed(std::hypot((start_radius + end_radius) / 2 * turn, rise), feed_);
        plot_.arc(line_, centre, normal, rise, turn, end.tip, end.axis, Style::feed);
        tip_ = end;
    }

    // A hole at the point, along the tool axis: down from the clearance to the depth, and back
    // to where the cycle returns.
    void hole(const cl::ToolPosition& at) {
        const cl::DrillingCycle& cycle = *cycle_;
        const cl::Units& units = path_.units();
        const double depth = units.length(cycle.depth), clearance = units.length(cycle.clearance);
        const Vector& axis = at.axis;
        const auto along = [&](double height) {
            return geometry::plus(at.tip, geometry::times(axis, height));
        };
        const Vector r_point = along(clearance), bottom = along(-depth);
        double back = clearance;
        if (cycle.return_to == cl::CycleReturn::to_height)
            back = units.length(cycle.retract);
        else if (cycle.return_to == cl::CycleReturn::to_start && tip_)
            back = std::max(clearance, geometry::dot(geometry::minus(tip_->tip, at.tip), axis));
        const Vector end = along(back);

        const double in = clearance + depth;
        const double from = tip_ ? distance(tip_->tip, end) : 0;
        add_rapid(from + 2 * (back - clearance) + (feeds_out(cycle.type) ? 0 : in));
        add_feed(in * (feeds_out(cycle.type) ? 2 : 1), cycle.feed ? cycle.feed : feed_);
        plot_.motion().minutes += cycle.dwell.value_or(0) / 60;
        plot_.hole(line_, end, axis, r_point, bottom, depth, !tip_);
        tip_ = cl::ToolPosition{end, axis};
    }

    PlotBuilder& plot_;
    bool inch_;
    cl::ToolPath path_;
    double rapid_feed_;
    cl::Record record_;
    std::int64_t line_ = 0;
    std::optional<cl::ToolPosition> tip_;
    bool rapid_next_ = false;
    std::optional<cl::Circle> circle_;
    std::int64_t circle_line_ = 0;
    std::optional<cl::DrillingCycle> cycle_, last_cycle_;
    std::optional<cl::Feed> feed_;
    double spindle_speed_ = 0;
    bool no_feed_warned_ = false, no_spindle_warned_ = false;
};

} // namespace

void read_cl_file(PlotBuilder& plot, const machine::Settings* settings) {
    ClPlotReader(plot, settings).read();
}

} // namespace backplot
