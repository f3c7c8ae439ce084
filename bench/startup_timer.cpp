// startup_timer RUNS REFERENCE PROGRAM...: starts each program in turn, RUNS times over,
// and measures from CreateProcess until a top-level window of the new process is visible
// and the process waits for input (its first paint done). Prints each program's median,
// quartiles and range in milliseconds, its median as a multiple of the reference's, and the
// median of the same multiple taken round by round (less swayed by the machine's other load,
// which changes between rounds more than within one).

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <optional>
#include <string>
#include <vector>

namespace {

struct Search {
    DWORD process;
    HWND found;
};

BOOL CALLBACK visible_window_of(HWND window, LPARAM lparam) {
    auto* search = reinterpret_cast<Search*>(lparam);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != search->process || !IsWindowVisible(window)) return TRUE;
    search->found = window;
    return FALSE;
}

double seconds_since(const LARGE_INTEGER& start) {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return double(now.QuadPart - start.QuadPart) / double(frequency.QuadPart);
}

// Milliseconds until the program's window shows, or nothing if it failed to start, showed
// a message box first or took longer than ten seconds. The program is closed afterwards.
std::optional<double> start_once(const std::wstring& program) {
    std::wstring command_line = L"\"" + program + L"\"";
    std::wstring folder = program.substr(0, program.find_last_of(L"\\/"));
    STARTUPINFOW startup{sizeof startup};
    PROCESS_INFORMATION started{};
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(program.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &started)) {
        std::fwprintf(stderr, L"%ls could not be started (error %lu)\n", program.c_str(),
                      GetLastError());
        return std::nullopt;
    }
    Search search{started.dwProcessId, nullptr};
    while (!search.found && seconds_since(start) < 10) {
        EnumWindows(visible_window_of, reinterpret_cast<LPARAM>(&search));
        if (!search.found) Sleep(1);
    }
    // Visible is set before the first paint; waiting for input comes after it.
    if (search.found) WaitForInputIdle(started.hProcess, 10000);
    const double elapsed = seconds_since(start) * 1000;
    std::optional<double> result;
    wchar_t class_name[64] = L"";
    if (search.found) GetClassNameW(search.found, class_name, 64);
    if (!search.found)
        std::fwprintf(stderr, L"%ls showed no window\n", program.c_str());
    else if (std::wcscmp(class_name, L"#32770") == 0)
        std::fwprintf(stderr, L"%ls showed a message box first\n", program.c_str());
    else
        result = elapsed;
    if (search.found) PostMessageW(search.found, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(started.hProcess, 5000) != WAIT_OBJECT_0)
        TerminateProcess(started.hProcess, 1);
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return result;
}

double quantile(std::vector<double> values, double q) {
    std::sort(values.begin(), values.end());
    const double position = q * double(values.size() - 1);
    const auto below = static_cast<std::size_t>(position);
    const auto above = std::min(below + 1, values.size() - 1);
    return values[below] + (values[above] - values[below]) * (position - double(below));
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fwprintf(stderr, L"usage: startup_timer RUNS REFERENCE [PROGRAM...]\n");
        return 2;
    }
    const int runs = std::max(1, _wtoi(argv[1]));
    const std::vector<std::wstring> programs(argv + 2, argv + argc);
    std::vector<std::vector<double>> times(programs.size());
    // One round unmeasured: the first start of each fills the file and font caches.
    for (int round = -1; round < runs; ++round)
        for (std::size_t index = 0; index < programs.size(); ++index) {
            const auto elapsed = start_once(programs[index]);
            if (!elapsed) return 1;
            if (round >= 0) times[index].push_back(*elapsed);
        }
    const double reference = quantile(times[0], 0.5);
    std::wprintf(L"%-24ls %8ls %8ls %8ls %8ls %8ls %6ls %6ls\n", L"program (ms)", L"median", L"q1",
                 L"q3", L"min", L"max", L"ratio", L"paired");
    for (std::size_t index = 0; index < programs.size(); ++index) {
        const auto& own = times[index];
        const std::wstring& path = programs[index];
        const std::wstring name = path.substr(path.find_last_of(L"\\/") + 1);
        std::vector<double> paired;
        for (std::size_t round = 0; round < own.size(); ++round)
            paired.push_back(own[round] / times[0][round]);
        std::wprintf(L"%-24ls %8.1f %8.1f %8.1f %8.1f %8.1f %6.2f %6.2f\n", name.c_str(),
                     quantile(own, 0.5), quantile(own, 0.25), quantile(own, 0.75),
                     *std::min_element(own.begin(), own.end()),
                     *std::max_element(own.begin(), own.end()), quantile(own, 0.5) / reference,
                     quantile(paired, 0.5));
    }
    return 0;
}
