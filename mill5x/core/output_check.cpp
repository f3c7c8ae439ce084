#include "output_check.h"

#include "nc_format.h"
#include "nc_reader/program_notes.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace mill5x {

namespace {

using geometry::distance;

constexpr double degrees_per_radian = 180.0 / std::numbers::pi;
// The tip's feed may differ this much from the CL's, besides what rounding explains.
constexpr double feed_tolerance = 0.01;

machine::Axes machine_axes(const nc::Axes& axes) {
    return {{axes[nc::x], axes[nc::y], axes[nc::z]}, axes[nc::a], axes[nc::b], axes[nc::c]};
}

double angle_between(const geometry::Vector& a, const geometry::Vector& b) {
    return std::atan2(geometry::norm(geometry::cross(a, b)), geometry::dot(a, b)) *
           degrees_per_radian;
}

std::string fixed(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.4f", value);
    return text;
}

} // namespace

OutputCheck::OutputCheck(const machine::Settings& settings)
    : settings_(settings), kinematics_(settings),
      reader_(settings.units == machine::Units::inch ? nc::Units::inch : nc::Units::millimetre),
      tool_length_(settings.tool_length),
      unit_(settings.units == machine::Units::inch ? " inch" : " mm") {}

std::optional<machine::ToolPose> OutputCheck::pose_at(const nc::Axes& axes, nc::AxisSet known) {
    const nc::AxisSet needed = 1u << nc::x | 1u << nc::y | 1u << nc::z | 1u << nc::c |
                               (kinematics_.uses('A') ? 1u << nc::a : 1u << nc::b);
    if ((known & needed) != needed) return std::nullopt;
    for (const auto& kept : poses_)
        if (kept && kept->axes == axes && kept->tool_length == tool_length_) return kept->pose;
    auto& kept = poses_[older_pose_];
    older_pose_ = 1 - older_pose_;
    kept = KnownPose{axes, tool_length_, kinematics_.forward(machine_axes(axes), tool_length_)};
    return kept->pose;
}

void OutputCheck::fail(std::int64_t nc_line, std::int64_t cl_line, const std::string& message) {
    if (result_.failure) return;
    result_.failure = Problem{nc_line, message};
    result_.failure_cl_line = cl_line;
}

void OutputCheck::read_comments(const nc::Block& block) {
    for (std::string_view comment : block.comments)
        if (const auto note = nc::read_tool_length_note(comment);
            note && reader_.tool() == note->tool)
            tool_length_ = note->length;
}

// What the rounding of the written positions alone may put the tip off by, at these axes.
double OutputCheck::rounding_at(const nc::Axes& axes) const {
    return tip_rounding(settings_.units == machine::Units::inch ? 4 : 3, angle_decimals,
                        kinematics_.lever(machine_axes(axes), tool_length_));
}

void OutputCheck::compare(const machine::ToolPose& pose, const Expectation& expected,
                          std::int64_t nc_line, const nc::Axes& axes) {
    ++result_.positions;
    const double off = distance(pose.tip, expected.pose.tip);
    const double angle = angle_between(pose.axis, expected.pose.axis);
    if (off > result_.worst_tip || result_.positions == 1) {
        result_.worst_tip = off;
        result_.worst_tip_nc_line = nc_line;
        result_.worst_tip_cl_line = expected.cl_line;
    }
    result_.worst_angle = std::max(result_.worst_angle, angle);
    // The program cannot be nearer than its decimals hold, however tight the tolerance.
    if (off > std::max(settings_.check_tolerance_or_default(), rounding_at(axes)))
        fail(nc_line, expected.cl_line,
             "the tool tip is " + fixed(off) + unit_ + " from the CL position");
    else if (angle > settings_.check_angle)
        fail(nc_line, expected.cl_line,
             "the tool axis is " + fixed(angle) + " degrees off the CL's");
}

// A feed move on the way to a CL position: the tip must stay within the straight CL segment
// all along, and move at the CL feed unless an axis's highest speed holds it back; the pivot
// point never faster than MAX_FEED.
void OutputCheck::follow_segment(const nc::Move& move, const Expectation& segment) {
    const auto start = pose_at(move.start, move.known_start);
    const auto end = pose_at(move.end, move.known_end);
    if (!start || !end) return;
    const double turn = std::fabs(move.end[nc::a] - move.start[nc::a]) +
                        std::fabs(move.end[nc::b] - move.start[nc::b]) +
                        std::fabs(move.end[nc::c] - move.start[nc::c]);
    // Without a turn the tip moves straight; with one, it bends most near the middle.
    const int samples = turn < 0.5 ? 1 : 1 + 2 * static_cast<int>(std::ceil(turn));
    double tip_path = 0, worst = 0;
    geometry::Vector previous = start->tip;
    for (int i = 1; i <= samples + 1; ++i) {
        const geometry::Vector tip =
            i > samples
                ? end->tip
                : kinematics_
                      .forward(machine_axes(nc::point_at(move, i / (samples + 1.0))), tool_length_)
                      .tip;
        worst =
            std::max(worst, geometry::distance_to_segment(tip, *segment.from, segment.pose.tip));
        tip_path += distance(previous, tip);
        previous = tip;
    }
    if (worst > result_.worst_along || result_.worst_along_nc_line == 0) {
        result_.worst_along = worst;
        result_.worst_along_nc_line = line_;
    }
    // The post-processor keeps each piece within the tolerance less the rounding, or a
    // quarter of it where the rounding alone takes more.
    const double tolerance = settings_.linear_tolerance_or_default();
    const double rounding = std::max(rounding_at(move.start), rounding_at(move.end));
    const double along = std::max(tolerance, tolerance / 4 + rounding);
    if (worst > along)
        fail(line_, segment.cl_line,
             "the tool tip leaves the CL path by " + fixed(worst) + unit_ + " along the move");

    if (segment.feed <= 0 || move.feed <= 0) return;
    const double pivot_path =
        distance(machine_axes(move.start).linear, machine_axes(move.end).linear);
    const bool inverse_time = move.feed_mode == nc::FeedMode::inverse_time;
    if (!inverse_time && pivot_path < 1e-9) return;
    const double minutes = inverse_time ? 1 / move.feed : pivot_path / move.feed;
    const double ratio = tip_path / minutes / segment.feed;
    // What rounding and the straying explain: of F; of the tip at both ends of the path the
    // move should have taken; and a path that bows by `along` over a chord L is longer by
    // about 8/3 (along / L)^2 of it.
    const int length_decimals = settings_.units == machine::Units::inch ? 4 : 3;
    const double f_rounding =
        0.5 * std::pow(10.0, -(inverse_time ? inverse_time_decimals : length_decimals)) / move.feed;
    const double chord = segment.feed * minutes;
    const double bow = along / chord;
    const double allowed = feed_tolerance + f_rounding + 2 * rounding / chord + 8.0 / 3 * bow * bow;
    const bool held_back =
        std::fabs(move.end[nc::a] - move.start[nc::a]) / minutes > 0.99 * settings_.a_max_speed ||
        std::fabs(move.end[nc::b] - move.start[nc::b]) / minutes > 0.99 * settings_.b_max_speed ||
        std::fabs(move.end[nc::c] - move.start[nc::c]) / minutes > 0.99 * settings_.c_max_speed ||
        pivot_path / minutes > 0.99 * settings_.max_feed;
    const double off = ratio < 1 && held_back ? 0 : std::fabs(ratio - 1);
    if (off > result_.worst_feed || result_.worst_feed_nc_line == 0) {
        result_.worst_feed = off;
        result_.worst_feed_nc_line = line_;
    }
    if (off > allowed)
        fail(line_, segment.cl_line,
             "the tool tip moves at " + fixed(ratio * 100) + " % of the CL feed");
    const double pivot_rounding = std::sqrt(3.0) * std::pow(10.0, -length_decimals) / pivot_path;
    if (pivot_path / minutes >
        settings_.max_feed * (1 + feed_tolerance + f_rounding + pivot_rounding))
        fail(line_, segment.cl_line,
             "the linear axes move at " + fixed(pivot_path / minutes) +
                 " a minute, faster than MAX_FEED");
}

void OutputCheck::check(std::string_view lines, std::span<const Expectation> expected) {
    // Positions that hold part of the way through the statement's lines (a rewind's return),
    // and the one that holds after them all.
    const Expectation* position = nullptr;
    auto& holes = holes_;
    auto& arcs = arcs_;
    auto& checkpoints = checkpoints_;
    holes.clear();
    arcs.clear();
    checkpoints.clear();
    for (const Expectation& e : expected) {
        if (e.kind == Expectation::Kind::position && e.lines < 0) position = &e;
        if (e.kind == Expectation::Kind::position && e.lines >= 0) checkpoints.push_back(&e);
        if (e.kind == Expectation::Kind::hole) holes.push_back(&e);
        if (e.kind == Expectation::Kind::arc_middle) arcs.push_back(&e);
    }
    const Expectation* segment = position && position->from ? position : nullptr;
    std::size_t next_hole = 0, next_arc = 0, next_checkpoint = 0;
    std::int64_t read = 0;
    const auto reached_checkpoints = [&] {
        for (; next_checkpoint < checkpoints.size() && checkpoints[next_checkpoint]->lines <= read;
             ++next_checkpoint)
            if (const auto at = pose_at(reader_.position(), reader_.known()))
                compare(*at, *checkpoints[next_checkpoint], last_move_line_, reader_.position());
            else
                fail(last_move_line_, checkpoints[next_checkpoint]->cl_line,
                     "the NC program leaves the tool's position unknown");
    };
    reached_checkpoints();

    while (!lines.empty()) {
        const std::size_t end = lines.find('\n');
        std::string_view line = lines.substr(0, end);
        lines.remove_prefix(end == std::string_view::npos ? lines.size() : end + 1);
        ++line_;
        ++read;
        const nc::Block& block = reader_.read(line);
        read_comments(block);
        if (block.move) {
            const nc::Move& move = *block.move;
            last_move_line_ = line_;
            if (move.kind == nc::MoveKind::linear && segment &&
                next_checkpoint == checkpoints.size()) {
                follow_segment(move, *segment);
            } else if (move.kind == nc::MoveKind::arc && next_arc < arcs.size()) {
                const Expectation& middle = *arcs[next_arc++];
                const nc::Axes halfway = nc::point_at(move, 0.5);
                const auto at = pose_at(halfway, move.known_end);
                if (at)
                    compare(*at, middle, line_, halfway);
                else
                    fail(line_, middle.cl_line, "the arc starts from an unknown position");
            } else if (move.kind == nc::MoveKind::cycle && next_hole < holes.size()) {
                check_hole(move, *holes[next_hole++]);
            }
        }
        reached_checkpoints();
    }
    if (next_hole < holes.size())
        fail(line_, holes[next_hole]->cl_line, "a hole of the CL file has no drilling cycle");
    if (next_arc < arcs.size())
        fail(line_, arcs[next_arc]->cl_line, "an arc of the CL file has no G2 or G3 block");
    if (!position) return;
    if (const auto at = pose_at(reader_.position(), reader_.known()))
        compare(*at, *position, last_move_line_, reader_.position());
    else
        fail(last_move_line_, position->cl_line,
             "the NC program leaves the tool's position unknown");
}

void OutputCheck::check_hole(const nc::Move& move, const Expectation& hole) {
    nc::Axes bottom = move.end, r_level = move.end;
    bottom[nc::z] = move.cycle.bottom;
    r_level[nc::z] = move.cycle.r_level;
    const auto at_bottom = pose_at(bottom, move.known_end);
    const auto at_r = pose_at(r_level, move.known_end);
    if (!at_bottom || !at_r) {
        fail(line_, hole.cl_line, "the hole is drilled from an unknown position");
        return;
    }
    compare(*at_bottom, hole, line_, bottom);
    const double r_off = std::fabs(at_r->tip.z - hole.r_level);
    if (r_off > settings_.check_tolerance_or_default())
        fail(line_, hole.cl_line,
             "the cycle's R level is " + fixed(r_off) + unit_ + " from the CL's clearance");
}

} // namespace mill5x
