#pragma once
// Reading a file into a picture. The window reads the file's bytes and hands them over; for
// an NC program it first reads the setup notes (setup_notes.h), finds the settings file they
// name and reads it with machine::read_settings, so that the picture shows the tool tip.
//
//     std::string bytes = ...;                       // the whole file
//     const SetupNotes notes = read_setup_notes(bytes);
//     std::optional<machine::Settings> settings = ...; // from notes.settings_file, if found
//     Plot plot = load_plot(std::move(bytes), {settings ? &*settings : nullptr, ".NC1"});
//
// Nothing in a file stops its reading: what cannot be read is a warning of its line, and the
// rest is drawn. A file that is not text, empty, or neither an NC program nor a CL file gives
// a plot without moves or lines whose message() says why.

#include "machine/settings.h"
#include "plot.h"

#include <string>
#include <string_view>

namespace backplot {

struct LoadOptions {
    // The machine's: for an NC program the kinematics, tool length and rapid feed; for a CL
    // file its units and rapid feed. May be null.
    const machine::Settings* settings = nullptr;
    // The file name's extension, which decides between NC and CL only when the lines do not.
    std::string_view extension;
};

Plot load_plot(std::string bytes, const LoadOptions& options = {});

} // namespace backplot
