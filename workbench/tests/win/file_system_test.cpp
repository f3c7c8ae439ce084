// The panes' pieces below the window: the file-system jobs of the panes and of Plexo.cfg on
// real files, the watches, and the lists read again.

#include "commands/win/win32_shell.h"
#include "tests/win/plexo_test_window.h"
#include "win/file_list.h"
#include "win/folder_contents.h"
#include "win/folder_list.h"
#include "win/folder_watch.h"
#include "win/program_watch.h"
#include "win/whole_file.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace workbench::win {
namespace {

using namespace workbench::testing;
using namespace std::string_literals;

// Subfolders and files apart, and an unreadable folder, show in the panes of the window test.
TEST(ReadFolder, ListsVisibleFilesOnlyAndFailsOnWhatIsNoFolder) {
    TestFolder folder;
    write_file(folder / L"PART1.APT", "");
    write_file(folder / L"hidden.APT", "", FILE_ATTRIBUTE_HIDDEN);
    write_file(folder / L"system.APT", "", FILE_ATTRIBUTE_SYSTEM);
    EXPECT_EQ(read_folder(folder.path).files, (Items{L"PART1.APT"}));
    for (const std::wstring& unreadable : {std::wstring(), folder / L"PART1.APT"})
        EXPECT_NE(read_folder(unreadable).error, 0u);
}

TEST(ReplaceFileContent, WritesTheWholeFileOrLeavesTheOldOne) {
    TestFolder folder;
    const std::wstring config = folder / L"Plexo.cfg";
    // A file removed while the program ran is made anew; a longer one is replaced whole.
    EXPECT_EQ(replace_file_content(config, "new"), 0u);
    write_file(config, std::string(500, 'x'));
    EXPECT_EQ(replace_file_content(config, "newer"), 0u);
    EXPECT_EQ(read_whole_file(config), "newer");
    // A read-only file refuses and keeps its content; no temporary file is left behind.
    write_file(config, "old content", FILE_ATTRIBUTE_READONLY);
    EXPECT_NE(replace_file_content(config, "x"), 0u);
    EXPECT_EQ(read_whole_file(config), "old content");
    EXPECT_EQ(read_folder(folder.path).files, (Items{L"Plexo.cfg"}));
    EXPECT_EQ(read_whole_file(folder / L"gone.cfg"), std::nullopt);
}

// Every program the shell started is watched, however many run at once: the end of one
// started after 64 that still run is told, with its task id and its exit code.
TEST(ProgramWatch, TellsTheEndOfEveryStartedProgramWithItsExitCode) {
    const HWND window =
        CreateWindowW(L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ProgramWatch watch(window, WM_APP);
    std::wstring cmd(MAX_PATH, L'\0');
    cmd.resize(GetSystemDirectoryW(cmd.data(), MAX_PATH));
    cmd += L"\\cmd.exe";
    // Suspended, they run until ended here, whatever the test comes to.
    struct Running : std::vector<PROCESS_INFORMATION> {
        using vector::vector;
        ~Running() {
            for (PROCESS_INFORMATION& process : *this) {
                TerminateProcess(process.hProcess, 0);
                CloseHandle(process.hThread);
                CloseHandle(process.hProcess);
            }
        }
    } running;
    for (int n = 0; n < MAXIMUM_WAIT_OBJECTS; ++n) {
        PROCESS_INFORMATION& process = running.emplace_back();
        STARTUPINFOW startup{sizeof startup};
        ASSERT_TRUE(CreateProcessW(cmd.c_str(), nullptr, nullptr, nullptr, FALSE,
                                   CREATE_SUSPENDED | CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                                   &process));
        EXPECT_TRUE(watch.watch(process.hProcess));
    }
    Win32Shell shell(nullptr, [&](HANDLE process) { watch.watch(process); });
    const auto started = shell.start({L"cmd.exe", {{L"switch", L"/c"}, {L"command", L"exit 3"}}});
    ASSERT_TRUE(started.task_id);
    MSG message{};
    for (int waited = 0;
         waited < 5000 && !PeekMessageW(&message, window, WM_APP, WM_APP, PM_REMOVE); waited += 20)
        Sleep(20);
    EXPECT_EQ(std::tuple(message.message, message.wParam, message.lParam),
              std::tuple(UINT{WM_APP}, WPARAM{*started.task_id}, LPARAM{3}));
    DestroyWindow(window);
}

// A wait that fails names the handles that no wait takes, which the folder watch then drops
// instead of failing the same wait again at once.
TEST(WaitForAny, GivesTheSignalledHandleOrTheOnesNoWaitTakes) {
    const desktop::UniqueHandle event(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    const HANDLE closed = CreateEventW(nullptr, TRUE, TRUE, nullptr);
    CloseHandle(closed);
    const WaitOutcome failed = wait_for_any(std::vector{event.get(), closed});
    EXPECT_EQ(std::pair(failed.signalled, failed.unusable),
              std::pair(std::optional<std::size_t>(), std::vector<std::size_t>{1}));
    SetEvent(event.get());
    EXPECT_EQ(wait_for_any(std::vector{event.get()}).signalled, 0u);
}

// Read again, a folder list and a file list keep the highlighted item and the one at their
// top where they still are, though items came before them; another folder starts afresh.
TEST(PaneLists, ReadAgainKeepTheUsersPlace) {
    const HWND window = CreateWindowW(L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 400, 400, nullptr,
                                      nullptr, nullptr, nullptr);
    const auto list_box = [&](DWORD style) {
        return CreateWindowW(L"LISTBOX", L"", WS_CHILD | WS_VSCROLL | LBS_NOINTEGRALHEIGHT | style,
                             0, 0, 200, 120, window, nullptr, nullptr, nullptr);
    };
    const auto shown = [](HWND list) {
        const auto top = SendMessageW(list, LB_GETTOPINDEX, 0, 0);
        return std::pair(desktop::list_item_text(list, static_cast<int>(top)),
                         desktop::selected_item_text(list).value_or(L"none"));
    };
    Items names, more = {L"A1", L"A2"};
    for (int n = 10; n < 50; ++n)
        names.push_back(L"F" + std::to_wstring(n));
    more.insert(more.end(), names.begin() + 1, names.end()); // F10 gone, A1 and A2 new

    FileList files(list_box(0));
    files.show_files(L"C:\\A", names);
    SendMessageW(files.handle(), LB_SETCURSEL, 25, 0);
    SendMessageW(files.handle(), LB_SETTOPINDEX, 20, 0);
    files.show_files(L"C:\\A", more);
    EXPECT_EQ(shown(files.handle()), std::pair(L"F30"s, L"F35"s));
    files.show_files(L"C:\\B", more); // the highlighted name stays, as CLFile does
    EXPECT_EQ(shown(files.handle()), std::pair(L"A1"s, L"F35"s));

    FolderList folders(list_box(LBS_OWNERDRAWFIXED | LBS_HASSTRINGS));
    folders.show(L"C:\\A", names); // items: C:\, A, then the subfolders
    SendMessageW(folders.handle(), LB_SETCURSEL, 27, 0);
    SendMessageW(folders.handle(), LB_SETTOPINDEX, 22, 0);
    folders.show(L"C:\\A", more);
    EXPECT_EQ(shown(folders.handle()), std::pair(L"F30"s, L"F35"s));
    folders.show(L"C:\\A\\F35", {});
    EXPECT_EQ(desktop::selected_item_text(folders.handle()), L"F35");
    DestroyWindow(window);
}

} // namespace
} // namespace workbench::win
