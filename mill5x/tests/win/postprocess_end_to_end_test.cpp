// The newcomer's walk-through, end to end: Plexo starts on the demo workspace laid out by
// the script (the CTest fixture), the sample CL file and MILL5X are chosen in the panes,
// "PostProcess" runs the real command, and the narrowed CL file list shows the three outputs.

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <thread>

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr int cmd_post = 1000, fil_posts = 1009, fil_apt = 1010; // 1000 + tab index

// The first visible window of the process whose text (a message box's: its static control)
// begins with `prefix`, within 30 s. Other message boxes are answered OK on the way: a
// start-up report of a missing folder (this drive has no \trelvo\bin), the confirmation.
HWND find(DWORD process, std::wstring_view prefix) {
    for (auto end = std::chrono::steady_clock::now() + 30s; std::chrono::steady_clock::now() < end;
         std::this_thread::sleep_for(50ms))
        for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, nullptr, nullptr));) {
            DWORD owner = 0;
            wchar_t name[16] = {}, text[512] = {};
            GetWindowThreadProcessId(window, &owner);
            GetClassNameW(window, name, 16);
            const bool box = std::wstring_view(name) == L"#32770";
            if (owner != process || !IsWindowVisible(window)) continue;
            GetWindowTextW(box ? GetDlgItem(window, 0xFFFF) : window, text, 512);
            if (std::wstring_view(text).starts_with(prefix)) return window;
            if (box) PostMessageW(window, WM_COMMAND, IDOK, 0);
        }
    return nullptr;
}

// A click as the user makes it: on a file list item (selection, then LBN_SELCHANGE) or a button.
void click(HWND form, int id, int notification, const wchar_t* item = nullptr) {
    HWND control = GetDlgItem(form, id);
    ASSERT_TRUE(!item || SendMessageW(control, LB_SELECTSTRING, -1, (LPARAM)item) != LB_ERR)
        << item;
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
    ASSERT_TRUE(CreateProcessW((plexo / L"Plexo.exe").c_str(), nullptr, nullptr, nullptr, FALSE, 0,
                               nullptr, plexo.c_str(), &startup, &process));
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
    HWND result = find(process.dwProcessId, L"Result = ");
    ASSERT_NE(result, nullptr) << "MILL5X was not started";
    // The status is written last; the list is re-read when the result box is closed.
    for (int tries = 0; tries < 600 && !fs::exists(demo / L"DEMO.NCS"); ++tries)
        std::this_thread::sleep_for(50ms);
    PostMessageW(result, WM_COMMAND, IDOK, 0);
    for (int tries = 0; tries < 600 && IsWindow(result); ++tries)
        std::this_thread::sleep_for(50ms);
    HWND list = GetDlgItem(form, fil_apt);
    EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 4); // DEMO.APT and its outputs only
    for (const wchar_t* output : {L"DEMO.NC1", L"DEMO.NCL", L"DEMO.NCS"})
        EXPECT_NE(SendMessageW(list, LB_FINDSTRINGEXACT, -1, (LPARAM)output), LB_ERR) << output;
    std::ostringstream status;
    status << std::ifstream(demo / L"DEMO.NCS", std::ios::binary).rdbuf();
    EXPECT_NE(status.str().find("Result:          complete"), std::string::npos) << status.str();
}

} // namespace
