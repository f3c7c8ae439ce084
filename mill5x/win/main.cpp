// MILL5X.exe: reads its command line, finds the settings named after itself beside itself
// (MILL5X.pptable; a copy named MILL2.exe reads MILL2.pptable, so each copy is a machine of
// its own), and runs the portable post-processor. It ends with 0 only when the NC program is
// complete and passed its check (unless the settings switch the check off). Failures to start
// and the syntax help are message boxes.

#include "invocation.h"
#include "job.h"
#include "syntax_help.h"

#include <windows.h>

#include <exception>
#include <filesystem>
#include <string>

namespace {

constexpr wchar_t title[] = L"MILL5X";

std::filesystem::path own_path() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

void show(const std::wstring& text, const wchar_t* caption, UINT style) {
    MessageBoxW(nullptr, text.c_str(), caption, style);
}

int run(const mill5x::Invocation& invocation) {
    using Kind = mill5x::Invocation::Kind;
    switch (invocation.kind) {
    case Kind::help:
        show(mill5x::widen(mill5x::syntax_help(mill5x::ascii(invocation.word))),
             L"MILL5X syntax help", MB_OK);
        return 0;
    case Kind::usage:
        show(L"MILL5X post-processes an APT CL file:\n\n"
             L"    MILL5X CLpath drive folder base extension\n\n"
             L"and shows the syntax help of a major word:\n\n    MILL5X ?WORD",
             title, MB_OK);
        return 1;
    case Kind::post_process:
        break;
    }
    const auto outcome =
        mill5x::run_job(invocation.cl_path, invocation.base_name,
                        std::filesystem::path(own_path()).replace_extension(L".pptable"));
    if (!outcome.failure.empty()) show(mill5x::widen(outcome.failure), title, MB_OK | MB_ICONERROR);
    return outcome.complete ? 0 : 1;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    try {
        return run(mill5x::parse_invocation(GetCommandLineW()));
    } catch (const std::exception& error) {
        show(L"MILL5X stopped: " + mill5x::widen(error.what()), title, MB_OK | MB_ICONERROR);
    }
    return 1;
}
