#pragma once
// The two readers that turn a file's lines into a picture. Within the library only: load_plot
// (load.h) chooses between them.

#include "machine/settings.h"
#include "plot_builder.h"

namespace backplot {

// An NC program through nc::Reader; with the machine's settings, each position becomes the
// tool tip and axis in the part's frame, else the programmed X, Y, Z are drawn.
void read_nc_program(PlotBuilder& plot, const machine::Settings* settings);

// An APT CL file through the CL reader: the tip and tool axis as the file gives them.
void read_cl_file(PlotBuilder& plot, const machine::Settings* settings);

// The rapid traverse the time estimate takes without a machine's settings, units a minute.
constexpr double default_rapid_feed = 10000;

} // namespace backplot
