#include "picture.h"

#include "picking.h"

#include <cmath>
#include <utility>

namespace backplot {

void Picture::show(Plot plot, bool keep_view) {
    plot_ = std::move(plot);
    chosen_.reset();
    if (!keep_view) fit_wanted_ = true;
    if (fit_wanted_) fit();
    list_stale_ = true;
}

void Picture::resize(const Viewport& viewport, double pixel_scale) {
    if (viewport_.width > 0 && viewport_.height > 0)
        view_.pan((viewport.width - viewport_.width) / 2.0,
                  (viewport.height - viewport_.height) / 2.0);
    viewport_ = viewport;
    pixel_scale_ = pixel_scale > 0 ? pixel_scale : 1;
    if (fit_wanted_) fit();
    list_stale_ = true;
}

void Picture::orient(Orientation orientation) {
    view_.orient(orientation);
    orientation_ = orientation;
    fit();
}

void Picture::fit() {
    list_stale_ = true;
    // Until there is something to fit into a picture of some size, the fit waits.
    fit_wanted_ = plot_.box().empty || viewport_.width <= 0 || viewport_.height <= 0;
    if (!fit_wanted_) view_.fit(plot_.box(), viewport_);
}

void Picture::press(Button button, const Pixel& at) {
    if (!drag_) drag_ = Drag{button, at, at};
}

bool Picture::drag(const Pixel& to) {
    if (!drag_) return false;
    Drag& drag = *drag_;
    if (!drag.moved &&
        std::hypot(to.x - drag.from.x, to.y - drag.from.y) < drag_threshold * pixel_scale_)
        return false;
    drag.moved = true;
    const double dx = to.x - drag.last.x, dy = to.y - drag.last.y;
    drag.last = to;
    if (dx == 0 && dy == 0) return false;
    if (drag.button == Button::right) {
        view_.turn(dx, dy, plot_.box().empty ? Vector{} : plot_.box().centre());
        orientation_.reset();
    } else {
        view_.pan(dx, dy);
    }
    list_stale_ = true;
    return true;
}

std::optional<Pixel> Picture::release(Button button, const Pixel& at) {
    if (!drag_ || drag_->button != button) return std::nullopt;
    drag(at);
    const bool click = button == Button::left && !drag_->moved;
    drag_.reset();
    if (click) return at;
    return std::nullopt;
}

void Picture::wheel(int delta, const Pixel& about) {
    if (delta == 0) return;
    view_.zoom(std::pow(zoom_a_notch, delta / 120.0), about);
    list_stale_ = true;
}

std::optional<std::size_t> Picture::move_at(const Pixel& at) const {
    return nearest_move(plot_, view_, at, pick_radius * pixel_scale_);
}

void Picture::choose(std::optional<std::size_t> move) {
    if (move && *move >= plot_.move_count()) move.reset();
    if (move == chosen_) return;
    chosen_ = move;
    list_stale_ = true;
}

const DisplayList& Picture::display_list() {
    if (list_stale_) {
        DisplayOptions options;
        options.chosen = chosen_;
        options.tool_axis_spacing *= pixel_scale_;
        options.tool_axis_length *= pixel_scale_;
        options.tool_length_without_one *= pixel_scale_;
        list_ = build_display_list(plot_, view_, viewport_, options);
        list_stale_ = false;
    }
    return list_;
}

} // namespace backplot
