#pragma once
// The machine an NC program was made for, as its post-processor notes it in the comments of
// the program's first lines: (MACHINE HEAD_BC) and (SETTINGS MILL5X.PPTABLE). The window finds
// the settings file by that name and hands its settings to load_plot.

#include <optional>
#include <string>
#include <string_view>

namespace backplot {

struct SetupNotes {
    std::optional<std::string> machine;       // the kind: HEAD_BC, TABLE_AC, HEAD_B_TABLE_C
    std::optional<std::string> settings_file; // MILL5X.PPTABLE
};

// Reads the comments of the first `lines` lines; the first note of each sort counts.
SetupNotes read_setup_notes(std::string_view program, std::size_t lines = 100);

} // namespace backplot
