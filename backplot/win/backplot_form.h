#pragma once
// The Backplot window as data: its controls, menu and shortcuts.

#include <desktop/form.h>

namespace backplot::win {

const desktop::FormDesign& backplot_form();

// The status bar's parts, in order.
enum StatusPart { extents_part, motion_part, warnings_part, chosen_part };

} // namespace backplot::win
