#pragma once
// What the picture shows and how the mouse moves it: the plot read from the file, the view,
// the chosen move, and the display list for the picture's size, built again only once
// something it shows has changed.
//
//   left button   a click chooses the move drawn nearest; a drag pans
//   right button  a drag turns the view about the middle of the part
//   middle button a drag pans
//   wheel         zooms about the mouse, 1.25 times a notch

#include "display_list.h"
#include "plot.h"
#include "view.h"

#include <optional>

namespace backplot {

class Picture {
public:
    // A file read. Its picture is fitted to the viewport, unless `keep_view` (the same file read
    // again after it changed on disk) and the view has shown a picture already.
    void show(Plot plot, bool keep_view);
    const Plot& plot() const { return plot_; }

    // The picture's size in pixels, and how many pixels stand for one of a 96-DPI screen (1.25
    // at 120 DPI): the pick radius, the drag threshold and the marks grow with it. The middle
    // of the picture stays where it is.
    void resize(const Viewport& viewport, double pixel_scale = 1);
    const Viewport& viewport() const { return viewport_; }

    // A standard view, fitted; the one shown, or nothing once the user turned the view.
    void orient(Orientation orientation);
    std::optional<Orientation> orientation() const { return orientation_; }
    void fit();
    const View& view() const { return view_; }

    enum class Button { left, right, middle };
    void press(Button button, const Pixel& at);
    // The mouse moved: true when the view changed.
    bool drag(const Pixel& to);
    // The button let go: where the click was, for a left press that did not become a drag.
    std::optional<Pixel> release(Button button, const Pixel& at);
    // The mouse was taken away (another window, a message box): the drag ends where it is.
    void drag_lost() { drag_.reset(); }
    // The wheel turned by `delta` (120 a notch, positive away from the user).
    void wheel(int delta, const Pixel& about);

    // The move drawn nearest the pixel, within the pick radius.
    std::optional<std::size_t> move_at(const Pixel& at) const;
    void choose(std::optional<std::size_t> move);
    std::optional<std::size_t> chosen() const { return chosen_; }

    const DisplayList& display_list();

    static constexpr double pick_radius = 6, drag_threshold = 4; // pixels at 96 DPI
    static constexpr double zoom_a_notch = 1.25;

private:
    struct Drag {
        Button button;
        Pixel from, last;
        bool moved = false;
    };

    Plot plot_;
    View view_;
    std::optional<Orientation> orientation_ = Orientation::top;
    Viewport viewport_;
    double pixel_scale_ = 1;
    bool fit_wanted_ = true; // as soon as the viewport and the plot have a size
    std::optional<std::size_t> chosen_;
    std::optional<Drag> drag_;
    DisplayList list_;
    bool list_stale_ = true;
};

} // namespace backplot
