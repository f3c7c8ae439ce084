// The newcomer's walk-through, end to end: Plexo starts on the laid-out demo workspace, the
// sample CL file and MILL5X are chosen in the panes, "PostProcess" runs the real command,
// and the narrowed CL file list shows the three outputs beside the CL file.

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// Build paths are host paths; under Wine the host's root is drive Z:.
std::wstring windows_path(std::string path) {
    std::replace(path.begin(), path.end(), '/', '\\');
    std::wstring wide(path.begin(), path.end());
    return wide.starts_with(L"\\") ? L"Z:" + wide : wide;
}

// Control IDs: 1000 + the tab index in the workbench's control table.
constexpr int cmd_post = 1000;
constexpr int fil_posts = 1009;
constexpr int fil_apt = 1010;

std::vector<HWND> top_windows_of(DWORD process) {
    std::pair<DWORD, std::vector<HWND>> search{process, {}};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto& [wanted, found] = *reinterpret_cast<std::pair<DWORD, std::vector<HWND>>*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == wanted && IsWindowVisible(window)) found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.second;
}

// The text of a message box, from its static control (ID 0xFFFF), or "" for other windows.
std::wstring message_box_text(HWND window) {
    wchar_t name[16] = {}, text[512] = {};
    GetClassNameW(window, name, 16);
    if (std::wstring(name) == L"#32770") GetDlgItemTextW(window, 0xFFFF, text, 512);
    return text;
}

// Polls for up to 30 s until found gives a window.
HWND wait_for(const std::function<HWND()>& found) {
    for (auto deadline = std::chrono::steady_clock::now() + 30s;
         std::chrono::steady_clock::now() < deadline; std::this_thread::sleep_for(50ms))
        if (HWND window = found()) return window;
    return nullptr;
}

std::vector<std::wstring> list_items(HWND list) {
    std::vector<std::wstring> items;
    for (LRESULT i = 0; i < SendMessageW(list, LB_GETCOUNT, 0, 0); ++i) {
        wchar_t item[MAX_PATH] = {};
        SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(item));
        items.push_back(item);
    }
    return items;
}

// A click on a file list item, as the user makes it: the selection, then LBN_SELCHANGE.
bool choose(HWND form, int list_id, const std::wstring& name) {
    HWND list = GetDlgItem(form, list_id);
    const auto items = list_items(list);
    const auto item = std::find_if(items.begin(), items.end(), [&](const auto& i) {
        return _wcsicmp(i.c_str(), name.c_str()) == 0;
    });
    if (item == items.end()) return false;
    SendMessageW(list, LB_SETCURSEL, item - items.begin(), 0);
    SendMessageW(form, WM_COMMAND, MAKEWPARAM(list_id, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
    return true;
}

class Plexo {
public:
    Plexo(const std::wstring& exe, const std::wstring& folder) {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        std::wstring command = L"\"" + exe + L"\"";
        started_ = CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                  folder.c_str(), &startup, &process_);
    }
    ~Plexo() {
        if (!started_) return;
        TerminateProcess(process_.hProcess, 0);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
    bool started() const { return started_; }

    // The first window of Plexo's that is wanted, answering any start-up report of a missing
    // folder on the way (the test's current drive has no \trelvo\bin).
    HWND window(const std::function<bool(HWND)>& wanted) {
        return wait_for([&]() -> HWND {
            for (HWND window : top_windows_of(process_.dwProcessId)) {
                if (wanted(window)) return window;
                if (message_box_text(window) == L"APT source folder not found")
                    PostMessageW(window, WM_COMMAND, IDOK, 0);
            }
            return nullptr;
        });
    }
    HWND message_box(const std::wstring& prefix) {
        return window([&](HWND box) { return message_box_text(box).starts_with(prefix); });
    }

private:
    PROCESS_INFORMATION process_{};
    bool started_ = false;
};

TEST(PostProcessEndToEnd, TheDemoClFileBecomesAnNcProgramInTheNarrowedList) {
    // The workspace that samples/lay-out-workspace laid out (the CTest fixture), with a
    // Plexo.cfg pointing at its folders rather than at C:.
    const std::wstring drive_c = windows_path(MILL5X_E2E_DRIVE_C);
    const std::wstring plexo_folder = drive_c + L"\\Plexo";
    const fs::path demo = drive_c + L"\\JOBS\\DEMO";
    ASSERT_TRUE(fs::exists(demo / L"DEMO.APT")) << "run the workspace lay-out fixture first";
    ASSERT_TRUE(
        CopyFileW(windows_path(PLEXO_EXE).c_str(), (plexo_folder + L"\\Plexo.exe").c_str(), FALSE));
    std::ofstream(fs::path(plexo_folder + L"\\Plexo.cfg"), std::ios::binary)
        << "\"VAR\",\"" << demo.string() << "\"\r\n\""
        << fs::path(drive_c + L"\\trelvo\\bin").string()
        << "\"\r\n\"To Machine\"\r\n\"Archive\"\r\n\"Listing\"\r\n";
    for (const wchar_t* output : {L"DEMO.NC1", L"DEMO.NCL", L"DEMO.NCS"})
        fs::remove(demo / output);

    Plexo plexo(plexo_folder + L"\\Plexo.exe", plexo_folder);
    ASSERT_TRUE(plexo.started());
    HWND form = plexo.window([](HWND window) {
        wchar_t title[64] = {};
        GetWindowTextW(window, title, 64);
        return std::wstring(title) == L"Plexo V1.9";
    });
    ASSERT_NE(form, nullptr) << "Plexo's window did not appear";
    ASSERT_TRUE(choose(form, fil_apt, L"DEMO.APT"));
    ASSERT_TRUE(choose(form, fil_posts, L"MILL5X.exe"));

    PostMessageW(form, WM_COMMAND, MAKEWPARAM(cmd_post, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(form, cmd_post)));
    HWND confirm = plexo.message_box(L"Select File & PostProcessor");
    ASSERT_NE(confirm, nullptr);
    PostMessageW(confirm, WM_COMMAND, IDOK, 0);
    HWND result = plexo.message_box(L"Result = ");
    ASSERT_NE(result, nullptr) << "MILL5X was not started";

    // The status is written last; the list is re-read when the result box is closed.
    wait_for([&]() -> HWND { return fs::exists(demo / L"DEMO.NCS") ? form : nullptr; });
    std::this_thread::sleep_for(500ms);
    PostMessageW(result, WM_COMMAND, IDOK, 0);
    wait_for([&]() -> HWND { return IsWindow(result) ? nullptr : form; });

    auto items = list_items(GetDlgItem(form, fil_apt));
    std::sort(items.begin(), items.end());
    EXPECT_EQ(items,
              (std::vector<std::wstring>{L"DEMO.APT", L"DEMO.NC1", L"DEMO.NCL", L"DEMO.NCS"}));
    std::ostringstream status;
    status << std::ifstream(demo / L"DEMO.NCS", std::ios::binary).rdbuf();
    EXPECT_NE(status.str().find("Result:          complete"), std::string::npos) << status.str();
}

} // namespace
