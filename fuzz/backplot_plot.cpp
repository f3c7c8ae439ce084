// Any bytes read into a picture, as Backplot reads a file: told as NC program, CL file or
// neither, read with the machine settings the first byte picks (none, or one of the three
// kinds), then drawn at the fit and zoomed in, picked and told in the status bar. Properties:
// no crash, every point of the picture and of the display list finite, and the display list
// within a few pixels of the viewport.

#include "display_list.h"
#include "fuzz_text.h"
#include "load.h"
#include "picking.h"
#include "status_texts.h"

#include "machine/settings.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

void check(const backplot::Vector& p) {
    if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z)) std::abort();
}
void check(const float (&p)[3]) {
    check(backplot::Vector{p[0], p[1], p[2]});
}

const machine::Settings* settings_for(std::uint8_t choice) {
    static const machine::Settings kinds[] = {
        machine::read_settings("PIVOT_DISTANCE = 150\nTOOL_LENGTH = 100\n"),
        machine::read_settings("KINEMATICS = TABLE_AC\nA_AXIS_Z = -50\nUNITS = INCH\n"),
        machine::read_settings("KINEMATICS = HEAD_B_TABLE_C\nPIVOT_DISTANCE = 120\n"
                               "C_AXIS_X = 10\n"),
    };
    return choice % 4 == 3 ? nullptr : &kinds[choice % 4];
}

void check_list(const backplot::DisplayList& list, const backplot::Viewport& viewport) {
    const double margin = backplot::clip_margin + 1;
    for (const backplot::ScreenPoint& p : list.points)
        if (!(p.x >= -margin && p.x <= viewport.width + margin && p.y >= -margin &&
              p.y <= viewport.height + margin)) {
            std::fprintf(stderr, "point (%g, %g) beyond the viewport\n", p.x, p.y);
            std::abort();
        }
    for (const backplot::Polyline& polyline : list.polylines)
        if (polyline.first + polyline.count > list.points.size() || polyline.count < 2) {
            std::fprintf(stderr, "polyline of %u points from %u\n", polyline.count, polyline.first);
            std::abort();
        }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::uint8_t choice = data[0];
    const backplot::Plot plot =
        backplot::load_plot(std::string(fuzz::bytes(data + 1, size - 1)),
                            {settings_for(choice), choice & 4 ? ".APT" : ".NC"});

    for (std::size_t i = 0; i < plot.move_count(); ++i)
        check(plot.move(i).end);
    for (std::size_t i = 0; i < plot.samples().size(); ++i)
        check(plot.samples()[i].point);
    for (std::size_t i = 0; i < plot.holes().size(); ++i) {
        check(plot.holes()[i].top);
        check(plot.holes()[i].bottom);
    }
    for (std::size_t i = 0; i < plot.arcs().size(); ++i) {
        const backplot::ArcData& arc = plot.arcs()[i];
        check(arc.centre);
        check(arc.normal);
        if (!std::isfinite(arc.rise) || !std::isfinite(arc.turn)) std::abort();
    }

    backplot::extents_text(plot);
    backplot::motion_text(plot);
    backplot::warnings_text(plot);

    const backplot::Viewport viewport{320, 240};
    backplot::View view(choice & 8 ? backplot::Orientation::isometric : backplot::Orientation::top);
    view.fit(plot.box(), viewport);
    backplot::DisplayOptions options;
    if (plot.move_count() > 0) options.chosen = plot.move_count() - 1;
    check_list(backplot::build_display_list(plot, view, viewport, options), viewport);
    if (plot.move_count() > 0)
        view.zoom(1000, view.project(plot.move(plot.move_count() / 2).end_point()));
    check_list(backplot::build_display_list(plot, view, viewport, options), viewport);

    if (const auto picked = backplot::nearest_move(plot, view, {160, 120}, 10))
        backplot::chosen_move_text(plot, picked);
    backplot::move_of_line(plot, static_cast<std::int64_t>(size / 2));
    backplot::go_to(plot, "N10");
    return 0;
}
