#pragma once
// What MILL5X is asked to do, from its whole command line. The workbench starts it as
//   program CLpath drive folder base extension      (post-process)
//   program ?WORD                                   (syntax help)
// with nothing quoted, so a folder with blanks arrives split. The CL path is therefore
// found as the piece whose own drive letter, folder part, base name and extension follow
// it, exactly as the workbench builds them; the base name of the outputs comes from there.

#include <string>
#include <string_view>

namespace mill5x {

struct Invocation {
    enum class Kind { usage, help, post_process };
    Kind kind = Kind::usage;
    std::wstring word;      // help: the major word asked for (may be empty)
    std::wstring cl_path;   // post_process
    std::wstring base_name; // post_process: the outputs are base_name.NC1, .NCL, .NCS
};

Invocation parse_invocation(std::wstring_view command_line);

// Text for the 8-bit files and the help table: characters beyond ASCII become '?'.
std::string ascii(std::wstring_view text);
std::wstring widen(std::string_view ascii_text);

} // namespace mill5x
