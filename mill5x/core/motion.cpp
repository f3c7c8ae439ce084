// Motion: feeds, rapid and feed moves to the CL file's points, the approach after a tool
// change, cutter compensation. A feed move whose rotary axes step so far that the tool tip
// would leave the CL's straight segment is cut into pieces (linearization); its time is the
// tip's path at the CL feed, unless the rotary axes or the linear feed cannot go that fast.

#include "post.h"

#include "cl_reader/error.h"
#include "nc_format.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <optional>
#include <string>
#include <utility>

namespace mill5x {

namespace {

using geometry::distance;

constexpr int most_pieces = 10000;

machine::Axes between(const machine::Axes& from, const machine::Axes& to, double t) {
    machine::Axes axes;
    axes.linear = geometry::lerp(from.linear, to.linear, t);
    axes.a = from.a + (to.a - from.a) * t;
    axes.b = from.b + (to.b - from.b) * t;
    axes.c = from.c + (to.c - from.c) * t;
    return axes;
}

} // namespace

double Post::feed_per_minute(const cl::Feed& feed) const {
    double value = path_.units().feed(feed);
    if (feed.per_revolution()) {
        if (!spindle_speed_)
            throw cl::Error(record_.major + ": a feed per revolution needs the spindle speed: "
                                            "SPINDL first");
        value *= *spindle_speed_;
    }
    return value;
}

void Post::fedrat(const cl::Record& r) {
    double feed = feed_per_minute(cl::read_feed(r));
    // A feed that the NC program's decimals round to nothing would be written F0.
    if (nc_address('F', feed, length_decimals()) == "F0.")
        throw cl::Error("FEDRAT: the feed is too small to be written");
    if (feed > settings_.max_feed) {
        warn("FEDRAT: feed limited to MAX_FEED");
        feed = settings_.max_feed;
    }
    feed_ = feed;
}

void Post::rapid(const cl::Record& r) {
    if (!r.values.empty()) throw cl::Error("RAPID takes no values");
    rapid_next_ = true;
}

void Post::from(const cl::Record& r) {
    not_in_cycle(r);
    bool normalised = false;
    const cl::ToolPosition target = path_.position(r, normalised);
    if (normalised) warn("the tool axis is not a unit vector: normalised");
    move_to(target, true);
}

void Post::gotos(const cl::Record& r) {
    bool normalised = false;
    const cl::ToolPosition target = path_.position(r, normalised);
    if (normalised) warn("the tool axis is not a unit vector: normalised");
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
    move_to(path_.delta(r, *tip_), std::exchange(rapid_next_, false));
}

// CAM systems name the plane as well, before or after the offset number
// (CUTCOM/LEFT,XYPLAN,1 or CUTCOM/LEFT,1,XYPLAN): compensation in the XY plane is the
// control's, in another plane it would cut elsewhere, so that stops the run.
void Post::cutcom(const cl::Record& r) {
    if (r.values.empty() || !std::holds_alternative<std::string>(r.values[0]))
        throw cl::Error("CUTCOM takes LEFT, RIGHT or OFF");
    const std::string& side = std::get<std::string>(r.values[0]);
    if (side != "LEFT" && side != "RIGHT" && side != "OFF")
        throw cl::Error("CUTCOM: unknown minor word '" + side + "'");
    std::optional<int> offset;
    for (std::size_t i = 1; i < r.values.size(); ++i) {
        if (const auto* word = std::get_if<std::string>(&r.values[i])) {
            if (*word == "XYPLAN") continue;
            if (*word == "YZPLAN" || *word == "ZXPLAN")
                throw cl::Error("CUTCOM: compensation in " + *word +
                                " is not written: only in XYPLAN");
            throw cl::Error("CUTCOM: unknown minor word '" + *word + "'");
        }
        const double number = cl::number_at(r, i);
        if (side == "OFF" || offset || number < 0 || number > 999 || number != std::floor(number))
            throw cl::Error("CUTCOM: LEFT or RIGHT may be followed by the offset number (0 to "
                            "999) alone");
        offset = static_cast<int>(number);
    }
    next_move_words_ = {side == "LEFT" ? "G41" : side == "RIGHT" ? "G42" : "G40"};
    compensating_ = side != "OFF";
    if (offset) next_move_words_.push_back("D" + std::to_string(*offset));
}

void Post::add_cutter_compensation() {
    for (const std::string& word : next_move_words_)
        writer_.word(word);
    next_move_words_.clear();
}

machine::Axes Post::axes_for(const cl::ToolPosition& target) const {
    const auto axes = kinematics_.inverse({target.tip, target.axis},
                                          position_.value_or(machine::Axes{}), tool_length_);
    if (!axes) throw cl::Error("the tool axis needs head angles beyond the B or C limits");
    return *axes;
}

void Post::rotary_positions(const machine::Axes& axes) {
    if (kinematics_.uses('A')) writer_.held(Held::a, 'A', axes.a, angle_decimals);
    if (kinematics_.uses('B')) writer_.held(Held::b, 'B', axes.b, angle_decimals);
    writer_.held(Held::c, 'C', axes.c, angle_decimals);
}

void Post::positions(const machine::Axes& axes) {
    const int d = length_decimals();
    within_travel(axes);
    writer_.held(Held::x, 'X', axes.linear.x, d);
    writer_.held(Held::y, 'Y', axes.linear.y, d);
    writer_.held(Held::z, 'Z', axes.linear.z, d);
    rotary_positions(axes);
}

bool Post::at(const machine::Axes& axes, bool linear_too) const {
    const int d = length_decimals();
    return (!kinematics_.uses('A') || writer_.holds(Held::a, 'A', axes.a, angle_decimals)) &&
           (!kinematics_.uses('B') || writer_.holds(Held::b, 'B', axes.b, angle_decimals)) &&
           writer_.holds(Held::c, 'C', axes.c, angle_decimals) &&
           (!linear_too || (writer_.holds(Held::x, 'X', axes.linear.x, d) &&
                            writer_.holds(Held::y, 'Y', axes.linear.y, d) &&
                            writer_.holds(Held::z, 'Z', axes.linear.z, d)));
}

// A position beyond the machine's travel stops the run, or is a warning where the settings
// say LIMITS = WARN.
void Post::within_travel(const machine::Axes& axes) {
    const std::pair<char, const machine::Travel*> travels[] = {
        {'X', &settings_.x}, {'Y', &settings_.y}, {'Z', &settings_.z}};
    const double values[] = {axes.linear.x, axes.linear.y, axes.linear.z};
    for (int i = 0; i < 3; ++i) {
        const auto& [axis, travel] = travels[i];
        const double value = values[i];
        std::optional<std::string> beyond;
        if (travel->min && value < *travel->min - 1e-9)
            beyond = nc_address(axis, value, length_decimals()) + " lies " +
                     nc_address(' ', *travel->min - value, length_decimals()).substr(1) +
                     " beyond " + axis + "_MIN";
        else if (travel->max && value > *travel->max + 1e-9)
            beyond = nc_address(axis, value, length_decimals()) + " lies " +
                     nc_address(' ', value - *travel->max, length_decimals()).substr(1) +
                     " beyond " + axis + "_MAX";
        if (!beyond) continue;
        if (settings_.limits == machine::LimitRule::stop) throw cl::Error(*beyond);
        warn(*beyond);
    }
}

void Post::move_to(const cl::ToolPosition& target, bool rapid) {
    const machine::Axes to = axes_for(target);
    Expectation expected{Expectation::Kind::position, line_, {target.tip, target.axis}};
    if (approach_next_ || !position_) {
        if (!rapid && !feed_)
            throw cl::Error("no feed rate for this cutting move: FEDRAT is missing");
        approach(to, rapid);
    } else if (rapid) {
        if (!at(to)) {
            writer_.held(Held::motion, "G0");
            add_cutter_compensation();
            positions(to);
            writer_.end_block();
            ++result_.rapid_moves;
            add_minutes(distance(position_->linear, to.linear) / settings_.rapid_feed,
                        &PostResult::rapid_minutes);
        }
    } else {
        feed_move(target, to);
        expected.from = tip_->tip;
        expected.feed = *feed_;
    }
    expectations_.push_back(expected);
    tip_ = target;
    position_ = to;
}

// From above, after a tool change: the rotary axes turn first, then X and Y move over the
// point, then the tool comes down in Z (at the feed when the CL file cuts there).
void Post::approach(const machine::Axes& to, bool rapid_down) {
    // What ran before the tool change, and the CL file did not start again itself.
    for (const std::string& words : std::exchange(restart_, {})) {
        writer_.word(words);
        writer_.end_block();
        if (words.starts_with('S'))
            spindle_on_ = true;
        else
            coolant_ = words;
    }
    within_travel(to);
    const int d = length_decimals();
    const bool turns = !at(to, false);
    const bool over = !writer_.holds(Held::x, 'X', to.linear.x, d) ||
                      !writer_.holds(Held::y, 'Y', to.linear.y, d);
    const bool down = !writer_.holds(Held::z, 'Z', to.linear.z, d);
    // Cutter compensation comes on with the last of them.
    const int last = down ? 3 : over ? 2 : turns ? 1 : 0;
    if (turns) {
        writer_.held(Held::motion, "G0");
        if (last == 1) add_cutter_compensation();
        rotary_positions(to);
        writer_.end_block();
    }
    if (over) {
        writer_.held(Held::motion, "G0");
        if (last == 2) add_cutter_compensation();
        writer_.held(Held::x, 'X', to.linear.x, d);
        writer_.held(Held::y, 'Y', to.linear.y, d);
        writer_.end_block();
    }
    if (down) {
        if (!rapid_down) writer_.held(Held::feed_mode, "G94");
        writer_.held(Held::motion, rapid_down ? "G0" : "G1");
        add_cutter_compensation();
        // Where the control adds the tool length, it does so from here.
        if (kinematics_.control_adds_tool_length() && !length_on_) {
            if (tool_) {
                const ToolUse& tool = result_.tools[*tool_];
                writer_.word("G43");
                writer_.word("H" + std::to_string(tool.adjust.value_or(tool.tool)));
                length_on_ = true;
            } else {
                warn("no tool was loaded: the control adds no tool length (G43 H)");
            }
        }
        writer_.held(Held::z, 'Z', to.linear.z, d);
        if (!rapid_down) writer_.held(Held::feed, 'F', *feed_, d);
        writer_.end_block();
    }
    if (last > 0) ++(rapid_down ? result_.rapid_moves : result_.feed_moves);
    approach_next_ = false;
}

bool Post::rewind(const machine::Axes& to) {
    const cl::ToolPosition start = *tip_;
    const machine::Axes from = *position_;
    // The axes for where the tool is, from which it can follow on to `to`.
    const auto turned = kinematics_.inverse({start.tip, start.axis}, to, tool_length_);
    if (!turned || (std::fabs(turned->a - from.a) < 1e-9 && std::fabs(turned->b - from.b) < 1e-9 &&
                    std::fabs(turned->c - from.c) < 1e-9))
        return false;
    const bool whole_turn = std::fabs(turned->a - from.a) < 1e-6 &&
                            std::fabs(turned->b - from.b) < 1e-6 &&
                            std::fabs(std::remainder(turned->c - from.c, 360.0)) < 1e-6;
    warn(whole_turn ? "C must pass its limit here: the tool backs off along its axis and C turns "
                      "back a whole turn"
                    : "a rotary axis must pass its limit here: the tool backs off along its axis "
                      "and the axes turn to the other solution");
    const geometry::Vector clear = geometry::plus(
        start.tip, geometry::times(start.axis, settings_.rewind_clearance_or_default()));
    const machine::Axes off = kinematics_.place(clear, from, tool_length_);
    const machine::Axes turned_off = kinematics_.place(clear, *turned, tool_length_);
    const machine::Axes back = kinematics_.place(start.tip, *turned, tool_length_);
    for (const machine::Axes* step : {&off, &turned_off}) {
        writer_.held(Held::motion, "G0");
        positions(*step);
        writer_.end_block();
        ++result_.rapid_moves;
    }
    add_minutes(2 * settings_.rewind_clearance_or_default() / settings_.rapid_feed,
                &PostResult::rapid_minutes);
    // Back into the cut where it left, at the feed.
    writer_.held(Held::feed_mode, "G94");
    writer_.held(Held::motion, "G1");
    positions(back);
    writer_.held(Held::feed, 'F', *feed_, length_decimals());
    writer_.end_block();
    ++result_.feed_moves;
    add_minutes(settings_.rewind_clearance_or_default() / *feed_, &PostResult::feed_minutes);
    expectations_.push_back({Expectation::Kind::position,
                             line_,
                             {start.tip, start.axis},
                             std::nullopt,
                             0,
                             0,
                             writer_.line_count() - statement_start_});
    position_ = back;
    return true;
}

// Into how many pieces a move must be cut so that the tip strays no farther than `allowed`
// from the CL segment between start and end. The kind's bound is cheap and holds everywhere
// but can be several times too large; where it says the move strays too far, the bend of the
// tip's path is measured along the move (second differences of its points), which gives
// the pieces, and the middle of each piece is then looked at, with more pieces where one
// still strays too far. Never more than the bound asks for.
int Post::pieces_for(const machine::Axes& from, const machine::Axes& to,
                     const geometry::Vector& start, const geometry::Vector& end, double allowed) {
    const double bound = kinematics_.straying_bound(from, to, tool_length_);
    if (bound <= allowed) return 1;
    const auto pieces_of = [&](double straying) {
        return static_cast<int>(
            std::clamp(std::ceil(std::sqrt(straying / allowed)), 1.0, double(most_pieces)));
    };
    const int most = pieces_of(bound);
    constexpr int samples = 8;
    std::array<geometry::Vector, samples + 1> tip;
    for (int i = 0; i <= samples; ++i)
        tip[i] = kinematics_.forward(between(from, to, double(i) / samples), tool_length_).tip;
    double bend = 0; // |p''| in the move's own parameter, at its largest
    for (int i = 1; i < samples; ++i)
        bend = std::max(bend, geometry::norm(geometry::plus(geometry::minus(tip[i - 1], tip[i]),
                                                            geometry::minus(tip[i + 1], tip[i]))) *
                                  samples * samples);
    int pieces = std::min(most, pieces_of(bend / 8));
    while (pieces < most) {
        double worst = 0;
        machine::Axes previous = from;
        for (int piece = 1; piece <= pieces; ++piece) {
            const machine::Axes axes = piece_end(from, to, start, end, piece, pieces);
            worst = std::max(
                worst, geometry::distance_to_segment(
                           kinematics_.forward(between(previous, axes, 0.5), tool_length_).tip,
                           start, end));
            previous = axes;
        }
        if (worst <= allowed) break;
        pieces = std::min(
            most, std::max(pieces + 1,
                           static_cast<int>(std::ceil(pieces * std::sqrt(worst / allowed) * 1.1))));
    }
    return pieces;
}

// The end of piece `piece` of `pieces`: the tip on the CL segment, the rotary axes in even
// steps.
machine::Axes Post::piece_end(const machine::Axes& from, const machine::Axes& to,
                              const geometry::Vector& start, const geometry::Vector& end, int piece,
                              int pieces) const {
    if (piece == pieces) return to;
    const double t = static_cast<double>(piece) / pieces;
    return kinematics_.place(geometry::lerp(start, end, t), between(from, to, t), tool_length_);
}

void Post::feed_move(const cl::ToolPosition& target, const machine::Axes& to) {
    if (!feed_) throw cl::Error("no feed rate for this cutting move: FEDRAT is missing");
    // Where the axes would have to pass a limit to follow the tool, they turn back first:
    // never within a feed move, where the tip would sweep off the path. Only a large step of
    // the rotary axes can be such a place.
    const machine::Axes& now = *position_;
    const bool large_step =
        std::fabs(to.a - now.a) + std::fabs(to.b - now.b) + std::fabs(to.c - now.c) > 90;
    if (large_step && !kinematics_.within_limits(
                          kinematics_.nearest({target.tip, target.axis}, now, tool_length_)))
        rewind(to);
    const bool rotary = !at(to, false);
    if (!rotary && at(to)) return; // already there: no block
    const machine::Axes from = *position_;
    const geometry::Vector start = tip_->tip;

    int pieces = 1;
    if (rotary) {
        // What the written positions' rounding may add to the straying, at the rotary axes'
        // reach from the tip.
        const double tolerance = settings_.linear_tolerance_or_default();
        const double rounding = tip_rounding(
            length_decimals(), angle_decimals,
            std::max(kinematics_.lever(from, tool_length_), kinematics_.lever(to, tool_length_)));
        if (rounding > 0.75 * tolerance)
            warn("the written decimals alone may put the tool tip farther off the path than "
                 "LINEAR_TOLERANCE here: the check allows their rounding");
        pieces =
            pieces_for(from, to, start, target.tip, std::max(tolerance - rounding, tolerance / 4));
    }

    // Each piece takes the tip's share of the path at the CL feed, unless an axis cannot move
    // that fast: the rotary axes' shares are even, the pivot point's are not.
    const double tip_minutes = distance(start, target.tip) / *feed_ / pieces;
    const double turning = std::max({std::fabs(to.a - from.a) / settings_.a_max_speed,
                                     std::fabs(to.b - from.b) / settings_.b_max_speed,
                                     std::fabs(to.c - from.c) / settings_.c_max_speed}) /
                           pieces;
    if (rotary && turning > tip_minutes)
        warn("the rotary axes' highest speeds (A_MAX_SPEED, B_MAX_SPEED, C_MAX_SPEED) make a "
             "move slower than its feed");
    const bool inverse_time = rotary && settings_.inverse_time;
    const int d = length_decimals();

    double minutes = 0;
    machine::Axes previous = from;
    for (int piece = 1; piece <= pieces; ++piece) {
        const machine::Axes axes = piece_end(from, to, start, target.tip, piece, pieces);
        const double pivot = distance(previous.linear, axes.linear);
        double piece_minutes = rotary ? std::max(tip_minutes, turning) : tip_minutes;
        if (rotary && pivot / settings_.max_feed > piece_minutes) {
            warn("MAX_FEED makes a move of the pivot point slower than its feed");
            piece_minutes = pivot / settings_.max_feed;
        }
        minutes += piece_minutes;
        if (piece < pieces && at(axes)) continue;
        writer_.held(Held::feed_mode, inverse_time ? "G93" : "G94");
        writer_.held(Held::motion, "G1");
        add_cutter_compensation();
        positions(axes);
        if (inverse_time) {
            // An inverse-time number holds for its own block only.
            // Written as F0. it would not move at all.
            if (1 / piece_minutes < 0.5e-4)
                throw cl::Error("the move is too long for an inverse-time feed");
            writer_.number('F', 1 / piece_minutes, inverse_time_decimals);
            writer_.forget(Held::feed);
        } else if (rotary) {
            // Per minute, the control moves the pivot point at F, over the positions as they
            // are written: on a short piece their rounding is much of its length.
            const auto written = [&](const geometry::Vector& v) {
                const double scale = std::pow(10.0, d);
                return geometry::Vector{std::nearbyint(v.x * scale) / scale,
                                        std::nearbyint(v.y * scale) / scale,
                                        std::nearbyint(v.z * scale) / scale};
            };
            const double written_pivot = distance(written(previous.linear), written(axes.linear));
            if (pivot < 1e-9)
                warn("a move that only turns the head has no feed per minute: F is the CL "
                     "feed (INVERSE_TIME = YES gives it its time)");
            writer_.held(Held::feed, 'F',
                         written_pivot < 1e-9 ? *feed_ : written_pivot / piece_minutes, d);
        } else {
            writer_.held(Held::feed, 'F', *feed_, d);
        }
        writer_.end_block();
        ++(inverse_time ? result_.inverse_time_moves : result_.feed_moves);
        previous = axes;
    }
    add_minutes(minutes,
                inverse_time ? &PostResult::inverse_time_minutes : &PostResult::feed_minutes);
    result_.inserted_points += pieces - 1;
}

} // namespace mill5x
