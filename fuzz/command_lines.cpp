// The workbench's command lines, built from folders and names that come from Plexo.cfg and
// the user. Properties: a batch line the workbench would start holds no interpreter syntax
// of the user's; and MILL5X finds the CL path and base name in the post-processing line the
// workbench hands it, when the CL folder is a drive path as the workbench makes them.

#include "commands/command_lines.h"
#include "fuzz_text.h"
#include "invocation.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto p = fuzz::pieces(fuzz::wide(fuzz::bytes(data, size)), 5);
    const workbench::ClPieces cl = workbench::cl_pieces(p[2], p[3]);
    const workbench::CommandLine commands[] = {
        workbench::post_command(p[0], p[1], cl),
        workbench::user_command(1, p[0], p[1], cl),
        workbench::edit_command(cl.cl_path),
        workbench::install_command(p[0], p[4]),
        workbench::syntax_help_command(p[0], p[1], p[4]),
    };
    for (const workbench::CommandLine& command : commands) {
        command.text();
        if (!command.batch) {
            workbench::program_line(command);
            continue;
        }
        const std::wstring line = workbench::interpreter_line(command, L"C:\\b\\x.bat");
        if (!workbench::interpreter_hazard(command)) {
            std::wstring arguments;
            for (const workbench::Argument& argument : command.arguments)
                arguments += argument.text;
            if (arguments.find_first_of(workbench::interpreter_syntax) != std::wstring::npos)
                std::abort();
        }
    }

    // A drive path without '?' (the help marker) or blanks at the ends of pieces.
    const std::wstring& folder = p[2];
    const bool plain = folder.size() >= 3 && folder[1] == L':' && folder[2] == L'\\' &&
                       folder[0] != L' ' && folder.find_first_of(L"?\0") == std::wstring::npos &&
                       p[3].find_first_of(L"?\\ ") == std::wstring::npos && !p[3].empty() &&
                       p[0].find_first_of(L"? :") == std::wstring::npos &&
                       p[1].find_first_of(L"? :") == std::wstring::npos &&
                       folder.find(L" ") == std::wstring::npos;
    if (plain) {
        const mill5x::Invocation invocation =
            mill5x::parse_invocation(workbench::post_command(p[0], p[1], cl).text());
        if (invocation.cl_path != cl.cl_path || invocation.base_name != cl.base_name) std::abort();
    }
    return 0;
}
