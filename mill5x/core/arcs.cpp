// Arcs: CIRCLE or MOVARC, then the GOTO of the arc's end, become G2 or G3 in the plane the
// circle's axis picks.

#include "post.h"

#include "circular_arc.h"
#include "cl_reader/error.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace mill5x {

namespace {

bool same_direction(const geometry::Vector& a, const geometry::Vector& b) {
    return std::fabs(a.x - b.x) < 1e-6 && std::fabs(a.y - b.y) < 1e-6 &&
           std::fabs(a.z - b.z) < 1e-6;
}

// The arc's farthest points in its plane (its quadrants within the sweep) widen the extents.
void add_bulges(AxisExtents& extents, const geometry::Vector& start, const geometry::Vector& end,
                const Circle& circle, const ArcMove& arc) {
    const geometry::Vector offset = geometry::minus(start, circle.centre);
    // The start's angle in the plane, counter-clockwise from its first axis.
    const double start_angle = arc.plane == 17   ? std::atan2(offset.y, offset.x)
                               : arc.plane == 18 ? std::atan2(offset.x, offset.z)
                                                 : std::atan2(offset.z, offset.y);
    for (int quadrant = 0; quadrant < 4; ++quadrant) {
        const double target = quadrant * std::numbers::pi / 2;
        double turn = arc.clockwise ? start_angle - target : target - start_angle;
        turn = std::fmod(turn + 8 * std::numbers::pi, 2 * std::numbers::pi);
        if (turn >= arc.sweep) continue;
        const geometry::Vector p = arc_point(start, end, circle, arc, turn / arc.sweep);
        extents.add(Held::x, p.x);
        extents.add(Held::y, p.y);
        extents.add(Held::z, p.z);
    }
}

} // namespace

void Post::circle(const cl::Record& r) {
    not_in_cycle(r);
    const cl::Circle circle = path_.circle(r);
    if (!tip_) throw cl::Error(r.major + " needs a known start: FROM or GOTO first");
    arc_ = circle;
}

void Post::start_feed_block(int plane) {
    writer_.held(Held::feed_mode, "G94");
    writer_.held(Held::plane, plane == 17 ? "G17" : plane == 18 ? "G18" : "G19");
    add_cutter_compensation();
}

void Post::arc_to(const cl::ToolPosition& end) {
    const Circle circle = *std::exchange(arc_, std::nullopt);
    rapid_next_ = false;
    if (approach_next_ || !position_)
        throw cl::Error("an arc needs the tool at its start: after a tool change a GOTO to it "
                        "must come first");
    const machine::Axes to = axes_for(end);
    if (!same_direction(end.axis, tip_->axis))
        throw cl::Error("the tool axis must not change along an arc");
    const ArcMove cl_arc = arc_move(tip_->tip, end.tip, circle, arc_tolerance());
    if (!feed_) throw cl::Error("no feed rate for this cutting move: FEDRAT is missing");

    // The arc as the machine's axes run it: the tool axis stands still, so a head runs it
    // lifted along the axis, and a table that has turned the part turns the arc with it.
    const auto on_machine = [&](const geometry::Vector& p) {
        return kinematics_.place(p, to, tool_length_).linear;
    };
    const geometry::Vector centre = on_machine(circle.centre);
    const Circle machine_circle{
        centre, geometry::minus(on_machine(geometry::plus(circle.centre, circle.axis)), centre),
        circle.radius};
    if (arc_plane(machine_circle.axis)) {
        write_arc(to, machine_circle);
        const geometry::Vector middle = arc_point(tip_->tip, end.tip, circle, cl_arc, 0.5);
        expectations_.push_back(
            {Expectation::Kind::arc_middle, line_, {middle, end.axis}, std::nullopt, 0, 0});
    } else {
        write_arc_as_lines(end, to, circle, cl_arc);
    }
    expectations_.push_back(
        {Expectation::Kind::position, line_, {end.tip, end.axis}, std::nullopt, 0, 0});
    tip_ = end;
    position_ = to;
    ++result_.feed_moves;
    add_minutes(cl_arc.length / *feed_, &PostResult::feed_minutes);
}

void Post::write_arc(const machine::Axes& to, const Circle& circle) {
    const ArcMove arc = arc_move(position_->linear, to.linear, circle, arc_tolerance());
    const int d = length_decimals();
    start_feed_block(arc.plane);
    writer_.forget(Held::motion); // every arc names its direction
    writer_.held(Held::motion, arc.clockwise ? "G2" : "G3");
    // Both axes of the plane always, so a full circle reads as one; the third on a helix.
    const Held axes[] = {Held::x, Held::y, Held::z};
    const double values[] = {to.linear.x, to.linear.y, to.linear.z};
    const int normal = arc.plane == 17 ? 2 : arc.plane == 18 ? 1 : 0;
    within_travel(to);
    for (int i = 0; i < 3; ++i) {
        if (i == normal)
            writer_.held(axes[i], "XYZ"[i], values[i], d);
        else
            writer_.always(axes[i], "XYZ"[i], values[i], d);
    }
    const double offsets[] = {arc.centre_offset.x, arc.centre_offset.y, arc.centre_offset.z};
    for (int i = 0; i < 3; ++i)
        if (i != normal) writer_.number("IJK"[i], offsets[i], d);
    writer_.held(Held::feed, 'F', *feed_, d);
    writer_.end_block();
    writer_.forget(Held::motion); // the next line writes its G1 or G0
    add_bulges(writer_.extents(), position_->linear, to.linear, circle, arc);
}

// An arc that lies in no plane of the machine (a table tilted under it) goes as straight
// moves along it, each end on the CL's arc and no farther from it between them than the
// linearization tolerance.
void Post::write_arc_as_lines(const cl::ToolPosition& end, const machine::Axes& to,
                              const Circle& circle, const ArcMove& arc) {
    warn("an arc lies in no plane of the machine as the table stands: it is written as "
         "straight moves");
    const double tolerance = settings_.linear_tolerance_or_default() / 2;
    const double step = 2 * std::acos(std::max(-1.0, 1 - tolerance / circle.radius));
    const int pieces =
        static_cast<int>(std::clamp(std::ceil(arc.sweep / std::max(step, 1e-6)), 1.0, 100000.0));
    const geometry::Vector start = tip_->tip;
    for (int piece = 1; piece <= pieces; ++piece) {
        const geometry::Vector tip =
            piece == pieces ? end.tip
                            : arc_point(start, end.tip, circle, arc, double(piece) / pieces);
        writer_.held(Held::feed_mode, "G94");
        writer_.held(Held::motion, "G1");
        add_cutter_compensation();
        positions(piece == pieces ? to : kinematics_.place(tip, to, tool_length_));
        writer_.held(Held::feed, 'F', *feed_, length_decimals());
        writer_.end_block();
        if (piece < pieces)
            expectations_.push_back({Expectation::Kind::position,
                                     line_,
                                     {tip, end.axis},
                                     std::nullopt,
                                     0,
                                     0,
                                     writer_.line_count() - statement_start_});
    }
    result_.inserted_points += pieces - 1;
}

} // namespace mill5x
