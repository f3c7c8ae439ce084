// Arcs: CIRCLE or MOVARC, then the GOTO of the arc's end, become G2 or G3 in the plane the
// circle's axis picks.

#include "post.h"

#include "circular_arc.h"
#include "cl_reader/error.h"

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
                const Circle& circle, const ArcMove& arc, const geometry::Vector& lift) {
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
        const geometry::Vector p =
            geometry::plus(arc_point(start, end, circle, arc, turn / arc.sweep), lift);
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
    const ArcMove arc = arc_move(tip_->tip, end.tip, circle, arc_tolerance());
    if (!feed_) throw cl::Error("no feed rate for this cutting move: FEDRAT is missing");
    const int d = length_decimals();

    start_feed_block(arc.plane);
    writer_.forget(Held::motion); // every arc names its direction
    writer_.held(Held::motion, arc.clockwise ? "G2" : "G3");
    // Both axes of the plane always, so a full circle reads as one; the third on a helix.
    const Held axes[] = {Held::x, Held::y, Held::z};
    const double values[] = {to.linear.x, to.linear.y, to.linear.z};
    const int normal = arc.plane == 17 ? 2 : arc.plane == 18 ? 1 : 0;
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

    // The pivot point runs the same arc as the tip, lifted along the constant tool axis.
    add_bulges(writer_.extents(), tip_->tip, end.tip, circle, arc,
               geometry::minus(to.linear, end.tip));
    const cl::ToolPosition middle{arc_point(tip_->tip, end.tip, circle, arc, 0.5), end.axis};
    expectations_.push_back(
        {Expectation::Kind::arc_middle, line_, {middle.tip, middle.axis}, std::nullopt, 0, 0});
    expectations_.push_back(
        {Expectation::Kind::position, line_, {end.tip, end.axis}, std::nullopt, 0, 0});
    tip_ = end;
    position_ = to;
    ++result_.feed_moves;
    add_minutes(arc.length / *feed_, &PostResult::feed_minutes);
}

} // namespace mill5x
