#include "commands/win/win32_shell.h"

#include "commands/win/input_box.h"

#include <desktop/win32.h>

namespace workbench {

namespace {

std::wstring last_error_message() {
    return desktop::system_message(GetLastError());
}

std::wstring system_folder() {
    std::wstring folder(MAX_PATH, L'\0');
    folder.resize(GetSystemDirectoryW(folder.data(), MAX_PATH));
    return folder;
}

// Where the system finds a batch file named without folder: the program's folder, the
// current folder, the system folders, then PATH, as when starting it directly.
std::optional<std::wstring> found_batch_file(const std::wstring& name) {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = SearchPathW(nullptr, name.c_str(), nullptr,
                                         static_cast<DWORD>(path.size()), path.data(), nullptr);
        if (length == 0) return std::nullopt;
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(length);
    }
}

} // namespace

int Win32Shell::message_box(std::wstring_view text, int style, std::wstring_view title) {
    const int code = MessageBoxW(owner_, std::wstring(text).c_str(), std::wstring(title).c_str(),
                                 static_cast<UINT>(style));
    return code == 0 ? cancel_button : code; // a box that could not be shown confirms nothing
}

std::wstring Win32Shell::input_box(std::wstring_view prompt, std::wstring_view title) {
    return workbench::input_box(owner_, prompt, title);
}

StartResult Win32Shell::start(const CommandLine& line) {
    std::wstring application;
    std::wstring command;
    if (line.batch) {
        const auto batch_file = found_batch_file(line.program);
        if (!batch_file) return {std::nullopt, last_error_message()};
        if (batch_file->find_first_of(interpreter_syntax) != std::wstring::npos)
            return {std::nullopt, L"The batch file's path " + *batch_file +
                                      L" holds a character that the command interpreter would "
                                      L"take as part of a command."};
        application = system_folder() + L"\\cmd.exe";
        command = interpreter_line(line, *batch_file);
    } else {
        command = program_line(line);
    }

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(application.empty() ? nullptr : application.c_str(), command.data(),
                        nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return {std::nullopt, last_error_message()};
    // No handle of the shell's outlives the click.
    if (started_) started_(process.hProcess);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return {process.dwProcessId, {}};
}

bool Win32Shell::is_file(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<std::wstring> Win32Shell::delete_file(const std::wstring& path) {
    if (DeleteFileW(path.c_str())) return std::nullopt;
    return last_error_message();
}

} // namespace workbench
