#include "commands/win/win32_shell.h"

#include "commands/program_search.h"
#include <desktop/input_box.h>

#include <desktop/win32.h>

#include <objbase.h>
#include <shellapi.h>
#include <shlwapi.h>

namespace workbench {

namespace {

std::wstring last_error_message() {
    return desktop::system_message(GetLastError());
}

// A folder the system gives by filling a buffer: the system and the Windows folder.
template <class Function> std::wstring system_path(Function get) {
    std::wstring folder(MAX_PATH, L'\0');
    const UINT length = get(folder.data(), MAX_PATH);
    folder.resize(length < MAX_PATH ? length : 0);
    return folder;
}

std::wstring system_folder() {
    return system_path(GetSystemDirectoryW);
}

std::wstring environment_variable(const wchar_t* name) {
    std::wstring value(GetEnvironmentVariableW(name, nullptr, 0), L'\0');
    if (value.empty()) return value;
    value.resize(GetEnvironmentVariableW(name, value.data(), static_cast<DWORD>(value.size())));
    return value;
}

std::optional<std::wstring> current_folder(const std::wstring& name) {
    // The system leaves the current folder out when NoDefaultCurrentDirectoryInExePath is set.
    if (!NeedCurrentDirectoryForExePathW(name.c_str())) return std::nullopt;
    std::wstring folder(GetCurrentDirectoryW(0, nullptr), L'\0');
    folder.resize(GetCurrentDirectoryW(static_cast<DWORD>(folder.size()), folder.data()));
    return folder;
}

bool is_file_path(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// A batch file named without folder, where the system would look for it (program_search.h).
std::optional<std::wstring> found_batch_file(const std::wstring& name) {
    const SearchFolders folders{desktop::program_folder(), current_folder(name), system_folder(),
                                system_path(GetWindowsDirectoryW), environment_variable(L"PATH")};
    for (auto& path : program_candidates(name, folders))
        if (is_file_path(path)) return std::move(path);
    return std::nullopt;
}

} // namespace

int Win32Shell::message_box(std::wstring_view text, int style, std::wstring_view title) {
    const int code = MessageBoxW(owner_, std::wstring(text).c_str(), std::wstring(title).c_str(),
                                 static_cast<UINT>(style));
    return code == 0 ? cancel_button : code; // a box that could not be shown confirms nothing
}

std::wstring Win32Shell::input_box(std::wstring_view prompt, std::wstring_view title) {
    return desktop::input_box(owner_, prompt, title);
}

StartResult Win32Shell::start(const CommandLine& line) {
    std::wstring application;
    std::wstring command;
    if (line.batch) {
        const auto batch_file = found_batch_file(line.program);
        if (!batch_file) return {std::nullopt, desktop::system_message(ERROR_FILE_NOT_FOUND)};
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
    return is_file_path(path);
}

std::optional<std::wstring> Win32Shell::delete_file(const std::wstring& path) {
    if (DeleteFileW(path.c_str())) return std::nullopt;
    return last_error_message();
}

std::optional<std::wstring> Win32Shell::program_file(const std::wstring& program) {
    // SearchPathW finds a program as CreateProcessW does: the path as it stands, or a bare
    // name in the program's folder, the current folder, the system folders and PATH, with
    // ".exe" added to a name without extension.
    std::wstring found(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = SearchPathW(nullptr, program.c_str(), L".exe",
                                         static_cast<DWORD>(found.size()), found.data(), nullptr);
        if (length == 0) return std::nullopt;
        if (length < found.size()) {
            found.resize(length);
            break;
        }
        found.resize(length);
    }
    if (!is_file_path(found)) return std::nullopt; // a folder of that name starts nothing
    return found;
}

std::optional<std::wstring> Win32Shell::program_for_type(const std::wstring& extension) {
    // ASSOCF_INIT_IGNOREUNKNOWN: a type without a program of its own has no answer, rather
    // than the system's "Open with" dialog.
    wchar_t program[2048];
    DWORD length = 2048;
    if (AssocQueryStringW(ASSOCF_INIT_IGNOREUNKNOWN, ASSOCSTR_EXECUTABLE, extension.c_str(),
                          L"open", program, &length) != S_OK ||
        program[0] == L'\0')
        return std::nullopt;
    return std::wstring(program);
}

StartResult Win32Shell::open_document(const std::wstring& path) {
    // The program a type opens with may be a shell extension, which needs COM.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    info.hwnd = owner_;
    info.lpVerb = L"open";
    info.lpFile = path.c_str();
    info.nShow = SW_SHOWNORMAL;
    const bool opened = ShellExecuteExW(&info);
    const DWORD error = GetLastError();
    if (SUCCEEDED(com)) CoUninitialize();
    if (!opened) return {std::nullopt, desktop::system_message(error)};
    if (!info.hProcess) return {0ul, {}}; // a program already running took the file
    const DWORD task_id = GetProcessId(info.hProcess);
    if (started_) started_(info.hProcess);
    CloseHandle(info.hProcess);
    return {task_id, {}};
}

} // namespace workbench
