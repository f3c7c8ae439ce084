// The workbench's command lines from folders and names out of Plexo.cfg and the user.
// Properties: a batch line holds no interpreter syntax of the user's; MILL5X finds the CL
// path and base name in the post-processing line when the CL folder is a drive path.

#include "commands/command_lines.h"
#include "fuzz_text.h"
#include "invocation.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto p = fuzz::pieces(fuzz::wide(fuzz::bytes(data, size)), 5);
    const workbench::ClPieces cl = workbench::cl_pieces(p[2], p[3]);
    for (const workbench::CommandLine& command :
         {workbench::post_command(p[0], p[1], cl), workbench::user_command(1, p[0], p[1], cl),
          workbench::edit_command(cl.cl_path), workbench::install_command(p[0], p[4]),
          workbench::syntax_help_command(p[0], p[1], p[4])}) {
        command.text();
        if (!command.batch) {
            workbench::program_line(command);
            continue;
        }
        workbench::interpreter_line(command, L"C:\\b\\x.bat");
        std::wstring arguments;
        for (const workbench::Argument& argument : command.arguments)
            arguments += argument.text;
        if (!workbench::interpreter_hazard(command) &&
            arguments.find_first_of(workbench::interpreter_syntax) != std::wstring::npos)
            std::abort();
    }

    // No '?' (the help marker), blanks or further drive letters in the pieces.
    const auto holds = [](const std::wstring& text, const wchar_t* characters) {
        return text.find_first_of(characters) != std::wstring::npos;
    };
    const std::wstring& folder = p[2];
    if (folder.size() >= 3 && folder[1] == L':' && folder[2] == L'\\' && !holds(folder, L"? ") &&
        !p[3].empty() && !holds(p[3], L"?\\ ") && !holds(p[0], L"? :") && !holds(p[1], L"? :")) {
        const mill5x::Invocation invocation =
            mill5x::parse_invocation(workbench::post_command(p[0], p[1], cl).text());
        if (invocation.cl_path != cl.cl_path || invocation.base_name != cl.base_name) std::abort();
    }
    return 0;
}
