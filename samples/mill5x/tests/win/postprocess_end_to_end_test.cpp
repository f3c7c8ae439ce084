// The newcomer's walk-through, end to end: Plexo starts on the demo workspace laid out by
// the script (the CTest fixture), the sample CL file and MILL5X are chosen in the panes,
// "PostProcess" runs the real command, and the narrowed CL file list shows the three outputs.

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr int cmd_post = 1000, fil_posts = 1009, fil_apt = 1010; // 1000 + tab index

// A message box's text (its static control), else the window's title.
std::wstring text_of(HWND window) {
    wchar_t name[16] = {}, text[512] = {};
    GetClassNameW(window, name, 16);
    if (std::wstring(name) == L"#32770") window = GetDlgItem(window, 0xFFFF);
    GetWindowTextW(window, text, 512);
    return text;
}

void ok(HWND box) {
    PostMessageW(box, WM_COMMAND, IDOK, 0);
}

// The first visible window of the process whose text begins with `prefix`, within 30 s; a
// start-up report of a missing folder (this drive has no \trelvo\bin) is answered on the way.
HWND find(DWORD process, std::wstring_view prefix) {
    for (auto end = std::chrono::steady_clock::now() + 30s; std::chrono::steady_clock::now() < end;
         std::this_thread::sleep_for(50ms))
        for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, nullptr, nullptr));) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner != process || !IsWindowVisible(window)) continue;
            if (text_of(window).starts_with(prefix)) return window;
            if (text_of(window) == L"APT source folder not found") ok(window);
        }
    return nullptr;
}

// A click as the user makes it: on a file list item (selection, then LBN_SELCHANGE) or a button.
void click(HWND form, int id, int notification, const wchar_t* item = nullptr) {
    HWND control = GetDlgItem(form, id);
    if (item) ASSERT_NE(SendMessageW(control, LB_SELECTSTRING, -1, (LPARAM)item), LB_ERR) << item;
    PostMessageW(form, WM_COMMAND, MAKEWPARAM(id, notification), (LPARAM)control);
}

TEST(PostProcessEndToEnd, TheDemoClFileBecomesAnNcProgramInTheNarrowedList) {
    // Build paths are host paths: under Wine the host's root is drive Z:.
    const fs::path drive_c = L"Z:" + fs::path(MILL5X_E2E_DRIVE_C).make_preferred().wstring();
    const fs::path plexo = drive_c / L"Plexo", demo = drive_c / L"JOBS" / L"DEMO";
    ASSERT_TRUE(fs::exists(demo / L"DEMO.APT")) << "run the workspace lay-out fixture first";
    ASSERT_TRUE(CopyFileW((L"Z:" + fs::path(PLEXO_EXE).make_preferred().wstring()).c_str(),
                          (plexo / L"Plexo.exe").c_str(), FALSE));
    std::ofstream(plexo / L"Plexo.cfg", std::ios::binary)
        << "\"VAR\",\"" << demo.string() << "\"\r\n\"" << (drive_c / L"trelvo" / L"bin").string()
        << "\"\r\n\"To Machine\"\r\n\"Archive\"\r\n\"Listing\"\r\n";
    for (const wchar_t* output : {L"DEMO.NC1", L"DEMO.NCL", L"DEMO.NCS"})
        fs::remove(demo / output);

    STARTUPINFOW startup{.cb = sizeof(STARTUPINFOW)};
    PROCESS_INFORMATION process{};
    std::wstring command = L"\"" + (plexo / L"Plexo.exe").wstring() + L"\"";
    ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               plexo.c_str(), &startup, &process));
    CloseHandle(process.hThread);
    const std::unique_ptr<void, void (*)(HANDLE)> ending(process.hProcess, [](HANDLE plexo) {
        TerminateProcess(plexo, 0);
        CloseHandle(plexo);
    });
    HWND form = find(process.dwProcessId, L"Plexo V1.9");
    ASSERT_NE(form, nullptr) << "Plexo's window did not appear";
    click(form, fil_apt, LBN_SELCHANGE, L"DEMO.APT");
    click(form, fil_posts, LBN_SELCHANGE, L"MILL5X.exe");
    click(form, cmd_post, BN_CLICKED);
    HWND confirm = find(process.dwProcessId, L"Select File & PostProcessor");
    ASSERT_NE(confirm, nullptr);
    ok(confirm);
    // The status is written last; the list is re-read when the result box is closed.
    for (int tries = 0; tries < 600 && !fs::exists(demo / L"DEMO.NCS"); ++tries)
        std::this_thread::sleep_for(50ms);
    HWND result = find(process.dwProcessId, L"Result = ");
    ASSERT_NE(result, nullptr) << "MILL5X was not started";
    ok(result);
    for (int tries = 0; tries < 600 && IsWindow(result); ++tries)
        std::this_thread::sleep_for(50ms);
    HWND list = GetDlgItem(form, fil_apt);
    std::vector<std::wstring> items;
    for (wchar_t item[MAX_PATH]; SendMessageW(list, LB_GETTEXT, items.size(), (LPARAM)item) > 0;)
        items.push_back(item);
    std::sort(items.begin(), items.end());
    EXPECT_EQ(items,
              (std::vector<std::wstring>{L"DEMO.APT", L"DEMO.NC1", L"DEMO.NCL", L"DEMO.NCS"}));
    std::ostringstream status;
    status << std::ifstream(demo / L"DEMO.NCS", std::ios::binary).rdbuf();
    EXPECT_NE(status.str().find("Result:          complete"), std::string::npos) << status.str();
}

} // namespace
