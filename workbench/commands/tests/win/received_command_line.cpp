// Started by the end-to-end test of the Shell: writes its process id and the command line it
// received, as UTF-16, to the file that NCT_RECEIVED_FILE names, all at once.

#include <windows.h>

#include <string>

int wmain() {
    wchar_t target[MAX_PATH];
    if (!GetEnvironmentVariableW(L"NCT_RECEIVED_FILE", target, MAX_PATH)) return 2;
    const std::wstring report = std::to_wstring(GetCurrentProcessId()) + L"\n" + GetCommandLineW();
    const std::wstring partial = std::wstring(target) + L".partial";
    const HANDLE file = CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 3;
    DWORD written = 0;
    WriteFile(file, report.data(), static_cast<DWORD>(report.size() * sizeof(wchar_t)), &written,
              nullptr);
    CloseHandle(file);
    // Renamed when complete, so that the test never reads half a report.
    return MoveFileExW(partial.c_str(), target, MOVEFILE_REPLACE_EXISTING) ? 0 : 4;
}
