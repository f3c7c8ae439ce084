// Started by the end-to-end test of the Shell: ends with 0 when the command line it received
// ends as NCT_EXPECTED_END says; else shows the line it received and ends with 1.

#include <windows.h>

#include <cstdio>
#include <string_view>

int wmain() {
    wchar_t end[1024];
    const DWORD length = GetEnvironmentVariableW(L"NCT_EXPECTED_END", end, 1024);
    const std::wstring_view received = GetCommandLineW();
    if (length > 0 && length < 1024 && received.ends_with(std::wstring_view(end, length))) return 0;
    std::fwprintf(stderr, L"received: %ls\n", received.data());
    return 1;
}
