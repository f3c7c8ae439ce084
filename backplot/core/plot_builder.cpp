#include "plot_builder.h"

#include <algorithm>
#include <limits>

namespace backplot {

namespace {

std::uint32_t line_number(std::int64_t line) {
    return static_cast<std::uint32_t>(
        std::clamp<std::int64_t>(line, 0, std::numeric_limits<std::uint32_t>::max()));
}

void put(float (&to)[3], const Vector& p) {
    to[0] = static_cast<float>(p.x);
    to[1] = static_cast<float>(p.y);
    to[2] = static_cast<float>(p.z);
}

} // namespace

PlotBuilder::PlotBuilder(Plot& plot, FileKind kind, std::string text) : plot_(plot) {
    plot_.kind_ = kind;
    plot_.text_ = std::make_unique<const std::string>(std::move(text));
    plot_.lines_ = LineIndex(*plot_.text_);
}

void PlotBuilder::warn(std::int64_t line, std::string text) {
    ++plot_.warning_count_;
    if (plot_.warnings_.size() < Plot::stored_warnings)
        plot_.warnings_.push_back({line, std::move(text)});
}

void PlotBuilder::note(std::string text) {
    plot_.notes_.push_back(std::move(text));
}

PlotMove& PlotBuilder::add(std::int64_t line, const Vector& end, const Vector& axis, Style style,
                           Shape shape, bool starts_path) {
    PlotMove move;
    put(move.end, end);
    move.axis = PackedAxis::of(axis);
    move.set_kind(style, shape, starts_path || plot_.moves_.empty());
    move.line = line_number(line);
    if (!axis_seen_) {
        first_axis_ = move.axis;
        axis_seen_ = true;
    } else if (!(move.axis == first_axis_)) {
        plot_.tool_axis_varies_ = true;
    }
    plot_.box_.add(move.end_point());
    plot_.moves_.push_back(move);
    return plot_.moves_.back();
}

void PlotBuilder::ranges_from_box() {
    if (plot_.box_.empty) return;
    const Box& box = plot_.box_;
    plot_.ranges_.min = {box.min.x, box.min.y, box.min.z, 0, 0, 0};
    plot_.ranges_.max = {box.max.x, box.max.y, box.max.z, 0, 0, 0};
    plot_.ranges_.seen = 1u << nc::x | 1u << nc::y | 1u << nc::z;
}

void PlotBuilder::start_path(std::int64_t line, const Vector& at, const Vector& axis, Style style) {
    add(line, at, axis, style, Shape::straight, true);
}

void PlotBuilder::straight(std::int64_t line, const Vector& end, const Vector& axis, Style style) {
    add(line, end, axis, style, Shape::straight, false);
}

void PlotBuilder::arc(std::int64_t line, const Vector& centre, const Vector& normal, double rise,
                      double turn, const Vector& end, const Vector& axis, Style style) {
    const Vector start = position();
    ArcData arc;
    arc.move = static_cast<std::uint32_t>(plot_.moves_.size());
    put(arc.centre, centre);
    put(arc.normal, normal);
    arc.rise = static_cast<float>(rise);
    arc.turn = static_cast<float>(turn);
    add(line, end, axis, style, Shape::arc, false);
    // The box from the stored numbers, as the picture draws them.
    arc_turning_points(arc_frame(arc, start, plot_.moves_.back().end_point()),
                       [this](const Vector& p) { plot_.box_.add(p); });
    plot_.arcs_.push_back(arc);
}

bool PlotBuilder::sampled(std::int64_t line, std::span<const Vector> points,
                          std::span<const Vector> axes, const Vector& end, const Vector& axis,
                          Style style) {
    if (plot_.samples_.size() + points.size() > most_samples) return false;
    SampledPath path{static_cast<std::uint32_t>(plot_.moves_.size()),
                     static_cast<std::uint32_t>(plot_.samples_.size()),
                     static_cast<std::uint32_t>(points.size())};
    for (std::size_t i = 0; i < points.size(); ++i) {
        Sample sample;
        put(sample.point, points[i]);
        sample.axis = PackedAxis::of(axes[i]);
        plot_.box_.add({sample.point[0], sample.point[1], sample.point[2]});
        plot_.samples_.push_back(sample);
    }
    plot_.sampled_paths_.push_back(path);
    add(line, end, axis, style, Shape::sampled, false);
    return true;
}

void PlotBuilder::hole(std::int64_t line, const Vector& end, const Vector& axis, const Vector& top,
                       const Vector& bottom, double depth, bool starts_path) {
    HoleData hole;
    hole.move = static_cast<std::uint32_t>(plot_.moves_.size());
    put(hole.top, top);
    put(hole.bottom, bottom);
    hole.depth = static_cast<float>(depth);
    plot_.box_.add({hole.top[0], hole.top[1], hole.top[2]});
    plot_.box_.add({hole.bottom[0], hole.bottom[1], hole.bottom[2]});
    plot_.holes_.push_back(hole);
    add(line, end, axis, Style::rapid, Shape::hole, starts_path);
}

void PlotBuilder::tool_change(std::int64_t line, int tool, double length) {
    const auto next = static_cast<std::uint32_t>(plot_.moves_.size());
    if (!plot_.tool_changes_.empty() && plot_.tool_changes_.back().move == next)
        plot_.tool_changes_.pop_back(); // no move was made with the tool before
    plot_.tool_changes_.push_back({next, line_number(line), tool, length});
}

void PlotBuilder::amend_tool_length(double length) {
    if (plot_.tool_changes_.empty())
        plot_.first_tool_length_ = length;
    else
        plot_.tool_changes_.back().length = length;
}

} // namespace backplot
