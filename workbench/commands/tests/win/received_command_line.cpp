// Started by the end-to-end test of the Shell: writes its process id and the command line it
// received, as UTF-16, to the file that NCT_RECEIVED_FILE names.

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>

int wmain() {
    wchar_t target[MAX_PATH];
    if (!GetEnvironmentVariableW(L"NCT_RECEIVED_FILE", target, MAX_PATH)) return 2;
    const std::wstring report = std::to_wstring(GetCurrentProcessId()) + L"\n" + GetCommandLineW();
    std::ofstream(std::filesystem::path(target), std::ios::binary)
        .write(reinterpret_cast<const char*>(report.data()),
               static_cast<std::streamsize>(report.size() * sizeof(wchar_t)));
}
