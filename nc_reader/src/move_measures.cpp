// Where a move is along its way, how long it is and takes, and the box it stays in.

#include "nc_reader/reader.h"

#include "arc.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace nc {

namespace {

constexpr AxisSet bit(int axis) {
    return 1u << axis;
}

// Along one axis, counting only an axis known at both ends.
double travel(const Move& move, int axis) {
    const AxisSet both = move.known_start & move.known_end;
    return both & bit(axis) ? move.end[axis] - move.start[axis] : 0.0;
}

// These cycles feed out of the hole as they fed in (tapping, boring); the others leave it
// at rapid.
bool feeds_out(int code) {
    return code == 74 || code == 84 || code == 85 || code == 89;
}

// A cycle's travel: to the hole at the level it starts from, down to R at rapid, to the
// bottom at feed, back to R (at feed or rapid) and in G98 up to the initial level. Pecks
// are not counted apart: the cycle goes down to the bottom and back.
struct CycleTravel {
    double rapid = 0, feed = 0;
};
CycleTravel cycle_travel(const Move& move) {
    const CycleGeometry& cycle = move.cycle;
    const double depth = std::fabs(cycle.r_level - cycle.bottom);
    CycleTravel travel{std::hypot(nc::travel(move, x), nc::travel(move, y)), depth};
    if (move.known_start & bit(z)) travel.rapid += std::fabs(move.start[z] - cycle.r_level);
    (feeds_out(cycle.code) ? travel.feed : travel.rapid) += depth;
    if (cycle.to_initial && (move.known_end & bit(z)))
        travel.rapid += std::fabs(move.end[z] - cycle.r_level);
    return travel;
}

double feed_minutes(const Move& move, double length) {
    if (move.feed <= 0) return 0;
    switch (move.feed_mode) {
    case FeedMode::inverse_time:
        return 1 / move.feed;
    case FeedMode::per_revolution:
        return move.spindle_speed > 0 ? length / (move.feed * move.spindle_speed) : 0;
    default:
        return length / move.feed;
    }
}

} // namespace

Axes point_at(const Move& move, double t) {
    if (move.kind == MoveKind::cycle || t >= 1) return move.end;
    if (t <= 0) return move.start;
    Axes point;
    for (int axis = 0; axis < axis_count; ++axis)
        point[axis] = move.start[axis] + (move.end[axis] - move.start[axis]) * t;
    if (move.kind == MoveKind::arc) {
        const ArcPath path = arc_path(move);
        const PlanePoint p = path.at(t);
        point[path.axes.first] = p.first;
        point[path.axes.second] = p.second;
    }
    return point;
}

double path_length(const Move& move) {
    switch (move.kind) {
    case MoveKind::arc: {
        const ArcPath path = arc_path(move);
        const double along = (path.start_radius + path.end_radius) / 2 * std::fabs(path.turn);
        return std::hypot(along, travel(move, path.axes.normal));
    }
    case MoveKind::cycle: {
        const CycleTravel travel = cycle_travel(move);
        return travel.rapid + travel.feed;
    }
    default:
        return std::sqrt(travel(move, x) * travel(move, x) + travel(move, y) * travel(move, y) +
                         travel(move, z) * travel(move, z));
    }
}

double minutes(const Move& move, double rapid_feed) {
    const auto at_rapid = [rapid_feed](double length) {
        return rapid_feed > 0 ? length / rapid_feed : 0.0;
    };
    switch (move.kind) {
    case MoveKind::rapid:
        return at_rapid(path_length(move));
    case MoveKind::cycle: {
        const CycleTravel travel = cycle_travel(move);
        return at_rapid(travel.rapid) + feed_minutes(move, travel.feed) +
               move.cycle.p.value_or(0) / 60;
    }
    default:
        return feed_minutes(move, path_length(move));
    }
}

void Extents::add(const Move& move) {
    const auto include = [this](int axis, double value) {
        if (!(seen & bit(axis))) {
            min[axis] = max[axis] = value;
            seen |= bit(axis);
        }
        min[axis] = std::min(min[axis], value);
        max[axis] = std::max(max[axis], value);
    };
    for (int axis = 0; axis < axis_count; ++axis) {
        if (move.known_start & bit(axis)) include(axis, move.start[axis]);
        if (move.known_end & bit(axis)) include(axis, move.end[axis]);
    }

    if (move.kind == MoveKind::cycle && ((move.known_start | move.known_end) & bit(z))) {
        include(z, move.cycle.bottom);
        include(z, move.cycle.r_level);
    }

    if (move.kind != MoveKind::arc || move.arc.sweep <= 0) return;
    // The arc's bulges: where it crosses the directions of its plane's axes.
    const ArcPath path = arc_path(move);
    const int axis_at[4] = {path.axes.first, path.axes.second, path.axes.first, path.axes.second};
    const double sign_at[4] = {1, 1, -1, -1};
    const double direction = path.turn < 0 ? -1 : 1;
    for (int quarter = 0; quarter < 4; ++quarter) {
        const double angle = quarter * std::numbers::pi / 2;
        double ahead = std::remainder(direction * (angle - path.start_angle), 2 * std::numbers::pi);
        if (ahead < 0) ahead += 2 * std::numbers::pi;
        if (ahead > std::fabs(path.turn)) continue;
        const double t = ahead / std::fabs(path.turn);
        const double radius = path.start_radius + (path.end_radius - path.start_radius) * t;
        const double centre = quarter % 2 == 0 ? path.centre.first : path.centre.second;
        include(axis_at[quarter], centre + sign_at[quarter] * radius);
    }
}

} // namespace nc
