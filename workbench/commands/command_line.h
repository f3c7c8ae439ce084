#pragma once
// A command line that the workbench starts, kept as its pieces, so that it can be written
// exactly as the user's guide documents it and, separately, as the system must be handed it:
// the program part quoted when it holds a blank, a batch file through the command
// interpreter.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace workbench {

struct Argument {
    std::wstring_view role; // what the piece is, for messages: "CL path", "base name"
    std::wstring text;      // as it stands, unquoted
};

struct CommandLine {
    std::wstring program;            // a path, or a bare name that the system looks up
    std::vector<Argument> arguments; // each after one blank
    bool batch = false;              // a batch file: runs under the command interpreter

    // The documented line: program and arguments joined by single blanks, nothing quoted, an
    // empty argument keeping its blank (so a name with blanks reaches the program as several
    // arguments, as users and their batch files expect).
    std::wstring text() const;
};

// The program part as the system must see it: quoted when it holds a blank, since an
// unquoted c:\Program Files\x.exe is first tried as c:\Program.exe.
std::wstring quoted_program(std::wstring_view program);

// The line handed to CreateProcessW for a program that is not a batch file.
std::wstring program_line(const CommandLine& line);

// The line handed to CreateProcessW (with the interpreter as the application) for a batch
// file found at batch_path. "/s /c" makes the interpreter run exactly what stands between
// the outer quotes; "/d" skips AutoRun commands, "/v:off" keeps "!" plain text.
std::wstring interpreter_line(const CommandLine& line, std::wstring_view batch_path);

// Characters that the command interpreter reads as its own syntax wherever they stand in
// a command line, inside quotes or not.
inline constexpr std::wstring_view interpreter_syntax = L"&|<>^%\"";

// Why a batch command line must not be started: a message naming the character and the
// argument that holds it. Nothing when the line is not a batch line or every argument is
// plain text.
std::optional<std::wstring> interpreter_hazard(const CommandLine& line);

} // namespace workbench
