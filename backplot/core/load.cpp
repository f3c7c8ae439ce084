#include "load.h"

#include "plot_builder.h"
#include "readers.h"

namespace backplot {

Plot load_plot(std::string bytes, const LoadOptions& options) {
    const FileKindFound found = file_kind(bytes, options.extension);
    Plot plot;
    const bool readable = found.kind == FileKind::nc_program || found.kind == FileKind::cl_file;
    // A file that is no text keeps no lines: its bytes would only fill the list with noise.
    PlotBuilder builder(plot, found.kind,
                        found.kind == FileKind::not_text ? std::string{} : std::move(bytes));
    if (!readable) {
        builder.set_message(found.reason);
        return plot;
    }
    if (found.kind == FileKind::nc_program)
        read_nc_program(builder, options.settings);
    else
        read_cl_file(builder, options.settings);
    return plot;
}

} // namespace backplot
