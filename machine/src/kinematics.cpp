#include "machine/kinematics.h"

#include "kind_model.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace machine {

namespace {

struct Angles {
    double tilt = 0, turn = 0;
};

struct Limits {
    double tilt_min, tilt_max, turn_min, turn_max;
};

// The whole-turn equivalent of angle nearest to target, if one lies within [low, high].
std::optional<double> nearest_turn(double angle, double target, double low, double high) {
    double best = angle + 360.0 * std::round((target - angle) / 360.0);
    if (best < low) best += 360.0 * std::ceil((low - best) / 360.0);
    if (best > high) best -= 360.0 * std::ceil((best - high) / 360.0);
    if (best < low || best > high) return std::nullopt;
    // Moving into the range may have passed a closer equivalent on the other side.
    for (double other : {best - 360.0, best + 360.0})
        if (other >= low && other <= high && std::fabs(other - target) < std::fabs(best - target))
            best = other;
    return best;
}

// Of the two solutions, the one within the limits (all when none are given) that turns least
// from the previous angles, then tilts least.
std::optional<Angles> choose(const Kinematics::Model::Angles& first, const Angles& previous,
                             const std::optional<Limits>& limits) {
    const double turn = first.turn_free ? previous.turn : first.turn;
    std::optional<Angles> best;
    const auto consider = [&](double tilt, double candidate_turn) {
        std::optional<double> nearest;
        if (limits) {
            if (tilt < limits->tilt_min || tilt > limits->tilt_max) return;
            nearest =
                nearest_turn(candidate_turn, previous.turn, limits->turn_min, limits->turn_max);
        } else {
            nearest = candidate_turn + 360.0 * std::round((previous.turn - candidate_turn) / 360.0);
        }
        if (!nearest) return;
        const Angles candidate{tilt, *nearest};
        const auto cost = [&](const Angles& a) {
            return std::pair(std::fabs(a.turn - previous.turn), std::fabs(a.tilt - previous.tilt));
        };
        if (!best || cost(candidate) < cost(*best)) best = candidate;
    };
    consider(first.tilt, turn);
    if (first.tilt != 0.0) consider(-first.tilt, first.turn_free ? turn : turn + 180.0);
    return best;
}

std::unique_ptr<const Kinematics::Model> model_of(const Settings& settings) {
    switch (settings.kinematics) {
    case Kind::table_ac:
        return table_ac(settings);
    case Kind::head_b_table_c:
        return head_b_table_c(settings);
    case Kind::head_bc:
        break;
    }
    return head_bc(settings);
}

} // namespace

Vector turned_about_z(const Vector& v, double degrees) {
    const double angle = degrees / degrees_per_radian;
    const double cos = std::cos(angle), sin = std::sin(angle);
    return {v.x * cos - v.y * sin, v.x * sin + v.y * cos, v.z};
}

Vector turned_about_x(const Vector& v, double degrees) {
    const double angle = degrees / degrees_per_radian;
    const double cos = std::cos(angle), sin = std::sin(angle);
    return {v.x, v.y * cos - v.z * sin, v.y * sin + v.z * cos};
}

Vector head_direction(double b) {
    const double angle = b / degrees_per_radian;
    return {std::sin(angle), 0, std::cos(angle)};
}

Kinematics::Kinematics(const Settings& settings)
    : settings_(settings), model_(model_of(settings)) {}

Kinematics::~Kinematics() = default;

namespace {

double tilt_of(const Axes& axes, char tilt_axis) {
    return tilt_axis == 'A' ? axes.a : axes.b;
}

Axes with_angles(Axes axes, char tilt_axis, const Angles& angles) {
    (tilt_axis == 'A' ? axes.a : axes.b) = angles.tilt;
    axes.c = angles.turn;
    return axes;
}

} // namespace

ToolPose Kinematics::forward(const Axes& axes, double tool_length) const {
    return model_->forward(axes.linear, tilt_of(axes, model_->tilt_axis()), axes.c, tool_length);
}

std::optional<Axes> Kinematics::inverse(const ToolPose& pose, const Axes& previous,
                                        double tool_length) const {
    const char tilt_axis = model_->tilt_axis();
    const bool table_tilts = tilt_axis == 'A';
    const Limits limits{table_tilts ? settings_.a_min : settings_.b_min,
                        table_tilts ? settings_.a_max : settings_.b_max, settings_.c_min,
                        settings_.c_max};
    const auto angles =
        choose(model_->angles(pose.axis), {tilt_of(previous, tilt_axis), previous.c}, limits);
    if (!angles) return std::nullopt;
    Axes axes = with_angles(previous, tilt_axis, *angles);
    axes.linear = model_->linear(pose.tip, angles->tilt, angles->turn, tool_length, &pose.axis);
    return axes;
}

Axes Kinematics::nearest(const ToolPose& pose, const Axes& previous, double tool_length) const {
    const char tilt_axis = model_->tilt_axis();
    const auto angles =
        choose(model_->angles(pose.axis), {tilt_of(previous, tilt_axis), previous.c}, std::nullopt);
    Axes axes = with_angles(previous, tilt_axis, *angles);
    axes.linear = model_->linear(pose.tip, angles->tilt, angles->turn, tool_length, &pose.axis);
    return axes;
}

Axes Kinematics::place(const Vector& tip, const Axes& rotary, double tool_length) const {
    Axes axes = rotary;
    axes.linear = model_->linear(tip, tilt_of(rotary, model_->tilt_axis()), rotary.c, tool_length);
    return axes;
}

double Kinematics::straying_bound(const Axes& from, const Axes& to, double tool_length) const {
    const char tilt_axis = model_->tilt_axis();
    const double from_tilt = tilt_of(from, tilt_axis), to_tilt = tilt_of(to, tilt_axis);
    const double d_tilt = std::fabs(to_tilt - from_tilt) / degrees_per_radian;
    const double d_turn = std::fabs(to.c - from.c) / degrees_per_radian;
    if (d_tilt == 0 && d_turn == 0) return 0;
    // Through 0 the tilt takes every value from 0 up.
    const double max_tilt = std::max(std::fabs(from_tilt), std::fabs(to_tilt)) / degrees_per_radian;
    return model_->straying_bound(from.linear, to.linear, d_tilt, d_turn, max_tilt, tool_length);
}

double Kinematics::lever(const Axes& axes, double tool_length) const {
    return model_->lever(axes.linear, tool_length);
}

bool Kinematics::uses(char rotary_axis) const {
    return rotary_axis == 'C' || rotary_axis == model_->tilt_axis();
}

bool Kinematics::control_adds_tool_length() const {
    return model_->control_adds_tool_length();
}

bool Kinematics::within_limits(const Axes& axes) const {
    const bool table_tilts = model_->tilt_axis() == 'A';
    const double tilt = table_tilts ? axes.a : axes.b;
    return tilt >= (table_tilts ? settings_.a_min : settings_.b_min) &&
           tilt <= (table_tilts ? settings_.a_max : settings_.b_max) && axes.c >= settings_.c_min &&
           axes.c <= settings_.c_max;
}

std::optional<HeadAngles> head_angles(const Vector& axis, const HeadAngles& previous,
                                      const RotaryLimits& limits) {
    const auto angles = choose(head_bc(Settings{})->angles(axis), {previous.b, previous.c},
                               Limits{limits.b_min, limits.b_max, limits.c_min, limits.c_max});
    if (!angles) return std::nullopt;
    return HeadAngles{angles->tilt, angles->turn};
}

} // namespace machine
