#include "nc_reader/reader.h"

#include "arc.h"
#include "block_words.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>

namespace nc {

namespace {

constexpr double mm_per_inch = 25.4;
constexpr char axis_letters[axis_count] = {'X', 'Y', 'Z', 'A', 'B', 'C'};
constexpr char offset_letters[3] = {'I', 'J', 'K'}; // the centre's offset along X, Y, Z

// An I, J, K arc whose end is its start within this is a full circle.
constexpr double same_point = 1e-9;

constexpr AxisSet bit(int axis) {
    return 1u << axis;
}

// How far an arc's end may lie off its circle before the block is warned of it.
double circle_tolerance(Units units) {
    return units == Units::inch ? 0.0005 : 0.01;
}

std::string length_text(double length, Units units) {
    char text[48];
    std::snprintf(text, sizeof text, "%.*f", units == Units::inch ? 5 : 4, length);
    std::string result = text;
    while (result.back() == '0')
        result.pop_back();
    if (result.back() == '.') result.pop_back();
    return result + (units == Units::inch ? " inch" : " mm");
}

} // namespace

Reader::Reader(Units units) : units_(units) {}

Units Reader::units() const {
    return units_;
}
Plane Reader::plane() const {
    return plane_;
}
FeedMode Reader::feed_mode() const {
    return feed_mode_;
}
bool Reader::incremental() const {
    return incremental_;
}
const Axes& Reader::position() const {
    return position_;
}
AxisSet Reader::known() const {
    return known_;
}
std::optional<int> Reader::tool() const {
    return tool_;
}
int Reader::work_offset() const {
    return work_offset_;
}

const Block& Reader::read(std::string_view text) {
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    start_block();
    Words words;
    words.scan(text, block_);
    set_modes(words);
    run_motion(words);
    words.warn_unused(block_);
    return block_;
}

// Clearing keeps the vectors' storage, so that a warmed-up reader allocates nothing.
void Reader::start_block() {
    ++block_.line;
    block_.deleted = false;
    block_.number.reset();
    block_.comments.clear();
    block_.move.reset();
    block_.tool.reset();
    block_.tool_change = false;
    block_.spindle_speed.reset();
    block_.m_codes.clear();
    block_.length_register.reset();
    block_.dwell.reset();
    block_.program_end = false;
    block_.warnings.clear();
    inverse_time_feed_ = 0;
}

void Reader::warn(std::string text) {
    block_.warnings.push_back(std::move(text));
}

// Every modal word of the block takes effect before its move, wherever it stands.
void Reader::set_modes(Words& words) {
    const Words::Groups& g = words.groups;
    if (g.units >= 0) set_units(g.units == 20 ? Units::inch : Units::millimetre);
    if (g.plane >= 0) plane_ = static_cast<Plane>(g.plane);
    if (g.distance >= 0) incremental_ = g.distance == 91;
    if (g.feed_mode >= 0) set_feed_mode(static_cast<FeedMode>(g.feed_mode));
    if (g.cycle_return >= 0) return_to_initial_ = g.cycle_return == 98;
    if (g.work >= 0) work_offset_ = g.work;
    if (g.cutter >= 0) cutter_compensation_ = g.cutter;
    if (g.length >= 0) length_compensation_ = g.length;
    // The registers are read; the programmed points carry no compensation.
    if (cutter_compensation_ != 40) words.take('D');
    if (length_compensation_ != 49)
        if (const auto h = words.take('H')) block_.length_register = static_cast<int>(*h);

    if (const auto f = words.take('F')) {
        if (feed_mode_ == FeedMode::inverse_time)
            inverse_time_feed_ = *f;
        else
            feed_ = *f;
    }
    if (block_.spindle_speed) spindle_speed_ = *block_.spindle_speed;
    if (block_.tool) selected_tool_ = block_.tool;
    if (block_.tool_change) {
        if (selected_tool_)
            tool_ = selected_tool_;
        else
            warn("M6 without a tool: no T has been given");
    }

    const bool names_cycle = g.cycle > 0 && g.cycle != 80;
    if (g.cycle == 80 || g.motion >= 0) end_cycle();
    if (g.motion >= 0) {
        motion_ = g.motion;
        if (names_cycle) warn("G0 to G3 end the drilling cycle named in the same block");
    } else if (names_cycle) {
        if (drilling_.code == 0) {
            drilling_.initial_level = position_[z];
            drilling_.initial_known = (known_ & bit(z)) != 0;
        }
        drilling_.code = g.cycle;
    }
}

// The position held, the feed and the drilling levels change to the new units.
void Reader::set_units(Units units) {
    if (units == units_) return;
    units_ = units;
    const auto convert = [units](double& length) {
        length = units == Units::inch ? length / mm_per_inch : length * mm_per_inch;
    };
    for (const int axis : {x, y, z})
        convert(position_[axis]);
    convert(feed_);
    convert(drilling_.initial_level);
    for (auto* level : {&drilling_.r_level, &drilling_.bottom, &drilling_.q})
        if (*level) convert(**level);
}

// A feed of one mode means nothing in another: the next feed move needs its own F.
void Reader::set_feed_mode(FeedMode mode) {
    if (mode != feed_mode_) feed_ = 0;
    feed_mode_ = mode;
}

void Reader::run_motion(Words& words) {
    const AxisSet named = words.axes();
    switch (words.groups.non_modal) {
    case 4:
        return dwell(words);
    case 28:
    case 53:
        return machine_move(words, named);
    }
    if (drilling_.code) return cycle_block(words, named);
    if (motion_ >= 2 &&
        (named || words.named('I') || words.named('J') || words.named('K') || words.named('R')))
        return arc(words, named);
    if (named) straight(words, named, motion_ == 0 ? MoveKind::rapid : MoveKind::linear);
}

Move& Reader::begin_move(MoveKind kind) {
    Move& move = block_.move.emplace();
    move.kind = kind;
    move.start = move.end = position_;
    move.known_start = move.known_end = known_;
    move.feed_mode = feed_mode_;
    move.feed = feed_mode_ == FeedMode::inverse_time ? inverse_time_feed_ : feed_;
    move.spindle_speed = spindle_speed_;
    return move;
}

// The end the named axes give: absolute, or from the position in G91, where an axis whose
// position is unknown stays unknown.
AxisSet Reader::targets(Words& words, AxisSet named, Axes& end) {
    AxisSet known = known_;
    for (int axis = 0; axis < axis_count; ++axis) {
        if (!(named & bit(axis))) continue;
        const double value = *words.take(axis_letters[axis]);
        if (!incremental_) {
            end[axis] = value;
            known |= bit(axis);
        } else if (known & bit(axis)) {
            end[axis] += value;
        } else {
            warn(std::string("incremental ") + axis_letters[axis] +
                 " from an unknown position: it stays unknown");
        }
    }
    return known;
}

void Reader::check_feed(const Move& move) {
    if (move.feed > 0) return;
    warn(move.feed_mode == FeedMode::inverse_time ? "inverse time (G93) feed move without F"
                                                  : "feed move without a feed rate (F)");
}

void Reader::finish(const Move& move) {
    position_ = move.end;
    known_ = move.known_end;
}

void Reader::straight(Words& words, AxisSet named, MoveKind kind) {
    Move& move = begin_move(kind);
    move.known_end = targets(words, named, move.end);
    if (kind != MoveKind::rapid) check_feed(move);
    finish(move);
}

void Reader::arc(Words& words, AxisSet named) {
    const bool clockwise = motion_ == 2;
    const PlaneAxes axes = plane_axes(plane_);
    Move& move = begin_move(MoveKind::arc);
    move.known_end = targets(words, named, move.end);
    check_feed(move);

    const auto r = words.take('R');
    // With R, any I, J or K is passed by (and warned of as unused).
    std::optional<double> offset_first, offset_second;
    if (!r) {
        offset_first = words.take(offset_letters[axes.first]);
        offset_second = words.take(offset_letters[axes.second]);
    }
    const AxisSet in_plane_axes = bit(axes.first) | bit(axes.second);
    const char* straight_because = nullptr;
    if (!r && !offset_first && !offset_second)
        straight_because = "arc without a centre (I, J, K or R)";
    else if ((move.known_start & in_plane_axes) != in_plane_axes ||
             (move.known_end & in_plane_axes) != in_plane_axes)
        straight_because = "arc from or to an unknown position";

    const PlanePoint start = in_plane(move.start, axes), end = in_plane(move.end, axes);
    const bool closes =
        std::hypot(end.first - start.first, end.second - start.second) <= same_point;
    if (!straight_because && r && closes)
        straight_because = "R arc whose end is its start (no full circle with R)";
    if (straight_because) {
        warn(std::string(straight_because) + ": read as a straight feed move");
        move.kind = MoveKind::linear;
        return finish(move);
    }

    PlanePoint centre{start.first + offset_first.value_or(0),
                      start.second + offset_second.value_or(0)};
    double off_circle = 0;
    if (r) {
        const RadiusCentre found = centre_for_radius(start, end, *r, clockwise);
        centre = found.centre;
        off_circle = found.chord_excess;
    }
    const PlanePoint from{start.first - centre.first, start.second - centre.second};
    const PlanePoint to{end.first - centre.first, end.second - centre.second};
    move.arc.plane = plane_;
    move.arc.clockwise = clockwise;
    move.arc.centre_first = centre.first;
    move.arc.centre_second = centre.second;
    move.arc.radius = std::hypot(from.first, from.second);
    move.arc.sweep = closes ? 2 * std::numbers::pi : angle_turned(from, to, clockwise);
    off_circle = std::max(off_circle, std::fabs(std::hypot(to.first, to.second) - move.arc.radius));
    if (off_circle > circle_tolerance(units_))
        warn("the arc's end is " + length_text(off_circle, units_) + " off its circle");
    finish(move);
}

// G28 goes through its point to the home position, G53 to a machine position: neither is
// known in the program's coordinates, so the move shows no travel and the axes end unknown.
void Reader::machine_move(Words& words, AxisSet named) {
    if (!named) return;
    Move& move = begin_move(MoveKind::rapid);
    for (int axis = 0; axis < axis_count; ++axis)
        if (named & bit(axis)) words.take(axis_letters[axis]);
    move.known_end &= ~named;
    move.machine_coordinates = true;
    finish(move);
}

void Reader::dwell(Words& words) {
    const auto milliseconds = words.take('P');
    const auto seconds = words.take('X');
    if (milliseconds)
        block_.dwell = *milliseconds / 1000;
    else if (seconds && *seconds >= 0)
        block_.dwell = *seconds;
    else
        warn(seconds ? "G4 with a negative X is passed by" : "G4 without P or X");
}

} // namespace nc
