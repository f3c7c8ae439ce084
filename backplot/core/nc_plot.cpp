// An NC program read into a picture. With the machine's settings, the programmed axes become
// the tool tip and axis through the machine's kinematics, with the length of the tool in the
// spindle; a move that turns a rotary axis bends the tip's way, so it is drawn through a point
// a degree of turn. Without settings the programmed X, Y and Z are drawn as they stand.

#include "readers.h"

#include "machine/kinematics.h"
#include "nc_reader/program_notes.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

namespace backplot {

namespace {

constexpr nc::AxisSet xyz = 1u << nc::x | 1u << nc::y | 1u << nc::z;
constexpr double degrees_per_sample = 1;
// An arc whose rotary axes turn is drawn through a point at least every few degrees of its
// sweep too.
constexpr double arc_degrees_per_sample = 5;
constexpr int most_samples_a_move = 720;

bool known(nc::AxisSet set, int axis) {
    return (set >> axis & 1) != 0;
}

// A cycle's travel at feed: into the hole, and out of it for those that feed out.
double cycle_feed_length(const nc::Move& move) {
    const int code = move.cycle.code;
    const bool feeds_out = code == 74 || code == 84 || code == 85 || code == 89;
    return std::fabs(move.cycle.r_level - move.cycle.bottom) * (feeds_out ? 2 : 1);
}

struct Pose {
    Vector tip;
    Vector axis{0, 0, 1};
};

class NcPlotReader {
public:
    NcPlotReader(PlotBuilder& plot, const machine::Settings* settings)
        : plot_(plot), settings_(settings),
          reader_(settings && settings->units == machine::Units::inch ? nc::Units::inch
                                                                      : nc::Units::millimetre),
          rapid_feed_(settings ? settings->rapid_feed : default_rapid_feed),
          tool_length_(settings ? settings->tool_length : 0) {
        if (settings) {
            kinematics_.emplace(*settings);
            plot_.set_first_tool_length(tool_length_);
        } else {
            plot_.note("No machine settings: the programmed X, Y and Z are drawn, not the tool "
                       "tip");
        }
    }

    void read() {
        const std::size_t lines = plot_.lines().count();
        for (std::size_t n = 1; n <= lines; ++n)
            read_block(static_cast<std::int64_t>(n), reader_.read(plot_.lines().line(n)));
        plot_.set_units(reader_.units());
    }

private:
    void read_block(std::int64_t line, const nc::Block& block) {
        for (const std::string& warning : block.warnings)
            plot_.warn(line, warning);
        if (block.tool_change && reader_.tool()) change_tool(line, *reader_.tool());
        for (std::string_view comment : block.comments)
            read_note(line, comment);
        if (block.dwell) plot_.motion().minutes += *block.dwell / 60;
        if (!block.move) return;
        const nc::Move& move = *block.move;
        count(move);
        draw(line, move);
    }

    void change_tool(std::int64_t line, int tool) {
        const auto noted = noted_lengths_.find(tool);
        if (noted != noted_lengths_.end())
            tool_length_ = noted->second;
        else if (settings_)
            tool_length_ = settings_->tool_length;
        plot_.tool_change(line, tool, settings_ ? tool_length_ : 0);
        connected_ = false;
    }

    void read_note(std::int64_t line, std::string_view comment) {
        if (const auto note = nc::read_tool_length_note(comment)) {
            noted_lengths_[note->tool] = note->length;
            if (reader_.tool() == note->tool && note->length != tool_length_) {
                tool_length_ = note->length;
                if (settings_) plot_.amend_tool_length(tool_length_);
                connected_ = false; // the tip moves with the length
            }
        } else if (const auto kind = nc::read_machine_note(comment); kind && settings_) {
            const std::string_view settings_kind = machine::kind_name(settings_->kinematics);
            if (*kind != settings_kind)
                plot_.warn(line, "the program was made for a " + std::string(*kind) +
                                     " machine, the settings describe a " +
                                     std::string(settings_kind) + " machine");
        }
    }

    // The status bar's numbers: the programmed axes' ranges, lengths and time.
    void count(const nc::Move& move) {
        plot_.ranges().add(move);
        const double length = nc::path_length(move);
        Motion& motion = plot_.motion();
        switch (move.kind) {
        case nc::MoveKind::rapid:
            motion.rapid_length += length;
            break;
        case nc::MoveKind::cycle: {
            const double feed = std::min(length, cycle_feed_length(move));
            motion.feed_length += feed;
            motion.rapid_length += length - feed;
            break;
        }
        default:
            motion.feed_length += length;
        }
        motion.minutes += nc::minutes(move, rapid_feed_);
    }

    Pose pose(const nc::Axes& axes, nc::AxisSet known_axes) const {
        if (!kinematics_) return {{axes[nc::x], axes[nc::y], axes[nc::z]}};
        // A rotary axis not yet programmed stands at 0, where the machine starts.
        const auto angle = [&](int axis) { return known(known_axes, axis) ? axes[axis] : 0.0; };
        const machine::ToolPose tool = kinematics_->forward(
            {{axes[nc::x], axes[nc::y], axes[nc::z]}, angle(nc::a), angle(nc::b), angle(nc::c)},
            tool_length_);
        return {tool.tip, tool.axis};
    }

    // The most degrees any rotary axis of the machine turns in the move.
    double rotary_turn(const nc::Move& move) const {
        if (!kinematics_) return 0;
        double turn = 0;
        for (const auto& [axis, letter] : {std::pair{nc::a, 'A'}, {nc::b, 'B'}, {nc::c, 'C'}})
            if (kinematics_->uses(letter) && known(move.known_start, axis) &&
                known(move.known_end, axis))
                turn = std::max(turn, std::fabs(move.end[axis] - move.start[axis]));
        return turn;
    }

    static Style style_of(const nc::Move& move) {
        if (move.kind == nc::MoveKind::rapid) return Style::rapid;
        return move.feed_mode == nc::FeedMode::inverse_time ? Style::inverse_time : Style::feed;
    }

    void draw(std::int64_t line, const nc::Move& move) {
        if ((move.known_end & xyz) != xyz) {
            connected_ = false; // where it ends is not known: the next move starts a path
            return;
        }
        const Pose end = pose(move.end, move.known_end);
        const Style style = style_of(move);
        const bool start_known = (move.known_start & xyz) == xyz;
        if (move.kind == nc::MoveKind::cycle) {
            hole(line, move, end);
        } else if (!start_known) {
            plot_.start_path(line, end.tip, end.axis, style);
        } else {
            if (!connected_) {
                const Pose start = pose(move.start, move.known_start);
                plot_.start_path(line, start.tip, start.axis, style);
            }
            if (move.kind == nc::MoveKind::arc)
                arc(line, move, end, style);
            else
                straight(line, move, end, style);
        }
        connected_ = true;
    }

    void straight(std::int64_t line, const nc::Move& move, const Pose& end, Style style) {
        const double turn = rotary_turn(move);
        const int pieces = static_cast<int>(
            std::min<double>(most_samples_a_move, std::ceil(turn / degrees_per_sample)));
        if (pieces < 2 || !sampled(line, move, pieces, end, style))
            plot_.straight(line, end.tip, end.axis, style);
    }

    bool sampled(std::int64_t line, const nc::Move& move, int pieces, const Pose& end,
                 Style style) {
        points_.clear();
        axes_.clear();
        const nc::AxisSet known_axes = move.known_start & move.known_end;
        for (int i = 1; i < pieces; ++i) {
            const Pose at = pose(nc::point_at(move, static_cast<double>(i) / pieces), known_axes);
            points_.push_back(at.tip);
            axes_.push_back(at.axis);
        }
        if (plot_.sampled(line, points_, axes_, end.tip, end.axis, style)) return true;
        if (!samples_full_warned_) {
            plot_.warn(line, "the picture holds as many points along turning moves as it may: "
                             "from here on they are drawn straight");
            samples_full_warned_ = true;
        }
        return false;
    }

    void arc(std::int64_t line, const nc::Move& move, const Pose& end, Style style) {
        const double turn = rotary_turn(move);
        if (turn > 0) {
            const double sweep_degrees = move.arc.sweep * 180 / std::numbers::pi;
            const double pieces = std::max(std::ceil(turn / degrees_per_sample),
                                           std::ceil(sweep_degrees / arc_degrees_per_sample));
            if (sampled(line, move, static_cast<int>(std::min<double>(most_samples_a_move, pieces)),
                        end, style))
                return;
        }
        // The plane's axes: counter-clockwise about the normal turns the first towards the
        // second.
        int first = nc::x, second = nc::y, normal = nc::z;
        if (move.arc.plane == nc::Plane::zx) first = nc::z, second = nc::x, normal = nc::y;
        if (move.arc.plane == nc::Plane::yz) first = nc::y, second = nc::z, normal = nc::x;
        nc::Axes centre = move.start;
        centre[first] = move.arc.centre_first;
        centre[second] = move.arc.centre_second;
        nc::Axes along{}; // the normal's direction: the arc turns counter-clockwise about it
        along[normal] = move.arc.clockwise ? -1 : 1;
        const double rise = (move.end[normal] - move.start[normal]) * along[normal];

        // With the rotary axes still, the machine's axes map to the part's frame by a turn
        // and a shift, which carries the arc over whole.
        const Pose mapped_centre = pose(centre, move.known_start);
        nc::Axes tip_of_normal = centre;
        for (int axis : {nc::x, nc::y, nc::z})
            tip_of_normal[axis] += along[axis];
        const Vector normal_direction =
            geometry::minus(pose(tip_of_normal, move.known_start).tip, mapped_centre.tip);
        plot_.arc(line, mapped_centre.tip, normal_direction, rise, move.arc.sweep, end.tip,
                  end.axis, style);
    }

    void hole(std::int64_t line, const nc::Move& move, const Pose& end) {
        nc::Axes top = move.end, bottom = move.end;
        top[nc::z] = move.cycle.r_level;
        bottom[nc::z] = move.cycle.bottom;
        const bool from_known = (move.known_start & xyz) == xyz;
        if (from_known && !connected_) {
            const Pose start = pose(move.start, move.known_start);
            plot_.start_path(line, start.tip, start.axis, Style::rapid);
        }
        plot_.hole(line, end.tip, end.axis, pose(top, move.known_end).tip,
                   pose(bottom, move.known_end).tip,
                   std::fabs(move.cycle.r_level - move.cycle.bottom), !from_known);
    }

    PlotBuilder& plot_;
    const machine::Settings* settings_;
    std::optional<machine::Kinematics> kinematics_;
    nc::Reader reader_;
    double rapid_feed_;
    double tool_length_;
    std::map<int, double> noted_lengths_;
    bool connected_ = false; // the picture's position is where this program's last move ended
    bool samples_full_warned_ = false;
    std::vector<Vector> points_, axes_;
};

} // namespace

void read_nc_program(PlotBuilder& plot, const machine::Settings* settings) {
    NcPlotReader(plot, settings).read();
}

} // namespace backplot
