#pragma once
// The Shell of the running workbench: real message boxes, the input box, programs started
// with CreateProcessW, files deleted with DeleteFileW, and files opened by their type with
// the system's associations.

#include "commands/shell.h"

#include <windows.h>

#include <functional>

namespace workbench {

class Win32Shell : public Shell {
public:
    // `started` is handed each started program's process handle, to duplicate if it wants
    // to know when the program ends; the shell closes its own at once.
    explicit Win32Shell(HWND owner = nullptr, std::function<void(HANDLE)> started = {})
        : owner_(owner), started_(std::move(started)) {}

    int message_box(std::wstring_view text, int style, std::wstring_view title) override;
    std::wstring input_box(std::wstring_view prompt, std::wstring_view title) override;
    StartResult start(const CommandLine& line) override;
    bool is_file(const std::wstring& path) override;
    std::optional<std::wstring> delete_file(const std::wstring& path) override;
    std::optional<std::wstring> program_file(const std::wstring& program) override;
    std::optional<std::wstring> program_for_type(const std::wstring& extension) override;
    StartResult open_document(const std::wstring& path) override;

private:
    HWND owner_;
    std::function<void(HANDLE)> started_;
};

} // namespace workbench
