#pragma once
// What a workbench command may ask of the desktop. The window hands the commands the real
// Win32 one; tests hand them a scripted fake that queues answers and records requests.

#include "commands/command_line.h"

#include <optional>
#include <string>
#include <string_view>

namespace workbench {

inline constexpr int ok_only = 0;       // message box style: OK
inline constexpr int ok_cancel = 1;     // message box style: OK and Cancel
inline constexpr int ok_button = 1;     // button code of OK
inline constexpr int cancel_button = 2; // button code of Cancel or closing the box

struct StartResult {
    std::optional<unsigned long> task_id; // set when the program started
    std::wstring failure;                 // else the system's reason, in its own words
};

class Shell {
public:
    virtual ~Shell() = default;
    // A modal message box; returns the button code.
    virtual int message_box(std::wstring_view text, int style, std::wstring_view title) = 0;
    // A modal input box whose field starts empty; returns "" on Cancel.
    virtual std::wstring input_box(std::wstring_view prompt, std::wstring_view title) = 0;
    // Starts the program shown normally with the focus and returns at once, never waiting.
    virtual StartResult start(const CommandLine& line) = 0;
    // Whether a file (not a folder) has exactly this path.
    virtual bool is_file(const std::wstring& path) = 0;
    // Deletes one file; the system's reason when it could not, nothing when it did.
    virtual std::optional<std::wstring> delete_file(const std::wstring& path) = 0;
    // The file the system would start for this program, as a command line names it (".exe"
    // added to a name without extension; a name without folder looked for where the system
    // looks); nothing when there is none.
    virtual std::optional<std::wstring> program_file(const std::wstring& program) = 0;
    // The program the system opens files of this type with (the extension with its period:
    // ".pdf"); nothing when none is set for them.
    virtual std::optional<std::wstring> program_for_type(const std::wstring& extension) = 0;
    // Hands the file to the program its type opens with, shown normally with the focus; the
    // task id is 0 when a program already running took it.
    virtual StartResult open_document(const std::wstring& path) = 0;
};

} // namespace workbench
