#include "setup_notes.h"

#include "nc_reader/program_notes.h"
#include "nc_reader/reader.h"

namespace backplot {

SetupNotes read_setup_notes(std::string_view program, std::size_t lines) {
    SetupNotes notes;
    nc::Reader reader;
    for (std::size_t n = 0; n < lines && !program.empty(); ++n) {
        const std::size_t end = program.find('\n');
        const nc::Block& block = reader.read(program.substr(0, end));
        program = end == std::string_view::npos ? std::string_view{} : program.substr(end + 1);
        for (std::string_view comment : block.comments) {
            if (const auto kind = nc::read_machine_note(comment); kind && !notes.machine)
                notes.machine = std::string(*kind);
            if (const auto file = nc::read_settings_note(comment); file && !notes.settings_file)
                notes.settings_file = std::string(*file);
        }
        if (notes.machine && notes.settings_file) break;
    }
    return notes;
}

} // namespace backplot
