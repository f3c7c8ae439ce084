// The file-system jobs of the panes and of Plexo.cfg, on real files.

#include "commands/win/win32_shell.h"
#include "tests/win/plexo_test_window.h"
#include "win/change_watch.h"
#include "win/folder_contents.h"
#include "win/whole_file.h"

#include <gtest/gtest.h>

namespace workbench::win {
namespace {

using namespace workbench::testing;

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

// A program the shell started is handed to the watch, which tells the window of its end.
TEST(ChangeWatch, TellsWhenAStartedProgramEnds) {
    const HWND window =
        CreateWindowW(L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ChangeWatch watch(window, WM_APP);
    Win32Shell shell(nullptr, [&](HANDLE process) { watch.watch_process(process); });
    ASSERT_TRUE(shell.start({L"cmd.exe", {{L"switch", L"/c"}, {L"command", L"exit"}}}).task_id);
    MSG message{};
    for (int waited = 0;
         waited < 2000 && !PeekMessageW(&message, window, WM_APP, WM_APP, PM_REMOVE); waited += 20)
        Sleep(20);
    EXPECT_EQ(std::pair(message.message, message.wParam),
              std::pair(UINT{WM_APP}, WPARAM{ChangeWatch::program_ended}));
    DestroyWindow(window);
}

} // namespace
} // namespace workbench::win
