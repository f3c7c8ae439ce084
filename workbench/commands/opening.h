#pragma once
// What "Edit" (and a double-click in the CL file list) and "Plexo Help" start. Where the
// programs of their command lines are on the computer, the command lines stand exactly as
// users and their tools know them. Where one is missing (recent Windows releases no longer
// include WordPad; the guide's reader is seldom in its old folder), the file is opened
// another way: the CL file with Notepad, the user's guide with the program the system opens
// PDF files with. Only when nothing can open the file is the user told, with what was tried.

#include "commands/command_line.h"
#include "commands/shell.h"

#include <string>
#include <string_view>

namespace workbench {

struct Opening {
    enum class Way {
        command_line, // start `line`
        by_type,      // hand `document` to `program`, the program its type opens with
        none,         // nothing can open the file: tell `message`
    };
    Way way = Way::none;
    CommandLine line;
    std::wstring document;
    std::wstring program;
    std::wstring message;
};

// The editor's line (WordPad) where WordPad is there, else Notepad on the CL path (quoted, so
// that it opens a path with blanks whole).
Opening edit_opening(Shell& shell, const std::wstring& cl_path);

// The user's guide's line where its reader is there, else the guide by its type.
Opening users_guide_opening(Shell& shell);

inline constexpr std::wstring_view notepad = L"notepad.exe";

} // namespace workbench
