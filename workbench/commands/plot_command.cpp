// Commands::plot lives here, beside its command line, rather than among the buttons' commands.

#include "commands/plot_command.h"

#include "commands/cl_pieces.h"
#include "commands/commands.h"

namespace workbench {

CommandLine plot_command(std::wstring_view workbench_folder, std::wstring_view file_path) {
    return {file_in_folder(workbench_folder, plotter_name),
            {{L"file", L"\"" + std::wstring(file_path) + L"\""}},
            false};
}

void Commands::plot(std::wstring_view workbench_folder) {
    if (state_.cl_file.empty()) {
        tell(L"File must be selected!");
        return;
    }
    const CommandLine line =
        plot_command(workbench_folder, file_in_folder(panes_.cl_folder(), state_.cl_file));
    if (!shell_.is_file(line.program)) {
        tell(L"The file cannot be plotted: Backplot was looked for as\n" + line.program +
             L"\nand is not there.");
        return;
    }
    start(line); // its task id is not kept in TaskId: the picture is no result of a command
}

} // namespace workbench
