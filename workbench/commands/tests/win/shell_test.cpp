// The real Shell under Wine: programs really started, failures told with the system's reason,
// the input box really answered.

#include "commands/command_lines.h"
#include "commands/win/win32_shell.h"

#include <desktop/input_box.h>
#include <desktop/win32.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

namespace workbench {
namespace {

namespace fs = std::filesystem;

// A folder with a blank in its name holding the checking program as MILL5X.exe.
class ShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(folder);
        fs::copy_file(fs::path(desktop::program_folder()) / RECEIVED_COMMAND_LINE_EXE,
                      folder / L"MILL5X.exe", fs::copy_options::overwrite_existing);
    }
    void TearDown() override {
        SetCurrentDirectoryW(desktop::program_folder().c_str());
        fs::remove_all(folder);
    }

    // Starts the line; true when the program it reached received a command line that ends
    // in `end` (it shows the line it received when not).
    bool received(const CommandLine& line, const std::wstring& end) {
        SetEnvironmentVariableW(L"NCT_EXPECTED_END", end.c_str());
        exit_code = STILL_ACTIVE;
        return shell.start(line).task_id && exit_code == 0;
    }

    const fs::path folder =
        fs::temp_directory_path() / (L"plexo shell test " + std::to_wstring(GetCurrentProcessId()));
    DWORD exit_code = STILL_ACTIVE;
    // Each start returns once the program has ended (a batch file's interpreter ends with
    // the code of its last command).
    Win32Shell shell{nullptr, [this](HANDLE process) {
                         WaitForSingleObject(process, 15000);
                         GetExitCodeProcess(process, &exit_code);
                     }};
};

// A program path with a blank is quoted for the system, a batch file runs under the
// interpreter; the arguments arrive as they stand.
TEST_F(ShellTest, StartsProgramsAndBatchFilesWithTheirArgumentsAsTheyStand) {
    EXPECT_TRUE(received(
        post_command(folder.wstring(), L"MILL5X", cl_pieces(L"D:\\MY JOBS", L"PART1.APT")),
        L"\"" + folder.wstring() + L"\\MILL5X\" D:\\MY JOBS\\PART1.APT D \\MY JOBS PART1 APT"));
    std::ofstream(folder / L"user2.bat") << "@\"%~dp0MILL5X.exe\" %*\r\n";
    SetCurrentDirectoryW(folder.c_str());
    EXPECT_TRUE(received(
        user_command(2, L"C:\\trelvo\\bin", L"MILL5X", cl_pieces(L"D:\\JOBS\\P100", L"PART1.APT")),
        L".exe\" C:\\trelvo\\bin MILL5X D:\\JOBS\\P100\\PART1.APT D \\JOBS\\P100 PART1 APT"));
}

// A file really deleted, and is_file of a file, show in the window test.
TEST_F(ShellTest, ReportsWhyAProgramDidNotStartOrAFileWasNotDeleted) {
    const auto started = shell.start( // a batch file that is nowhere to be found
        user_command(3, L"C:\\trelvo\\bin", L"MILL5X", cl_pieces(L"D:\\JOBS", L"PART1.APT")));
    EXPECT_TRUE(!started.task_id && !started.failure.empty());
    EXPECT_FALSE(shell.is_file(folder.wstring())); // a folder is not a file
    EXPECT_NE(shell.delete_file((folder / L"gone.APT").wstring()).value_or(L""), L"");
}

// The questions behind Edit's and Plexo Help's fallbacks, and a file opened by its type:
// here a type of the test's own, which opens with the checking program.
TEST_F(ShellTest, FindsProgramsAndOpensAFileWithTheProgramOfItsType) {
    const std::wstring program = (folder / L"MILL5X.exe").wstring();
    EXPECT_EQ(shell.program_file((folder / L"MILL5X").wstring()).value_or(L""), program);
    EXPECT_TRUE(shell.program_file(L"notepad.exe")); // where the system looks
    EXPECT_FALSE(shell.program_file(L"c:\\Program Files\\Adobe\\Reader 8.0\\Reader\\AcroRD32"));
    EXPECT_FALSE(shell.program_for_type(L".nct-no-such-type"));

    const std::wstring type = L".nctshelltest", command = L"nctshelltest\\shell\\open\\command",
                       open_with = L"\"" + program + L"\" \"%1\"";
    RegSetKeyValueW(HKEY_CLASSES_ROOT, type.c_str(), nullptr, REG_SZ, L"nctshelltest",
                    sizeof L"nctshelltest");
    RegSetKeyValueW(HKEY_CLASSES_ROOT, command.c_str(), nullptr, REG_SZ, open_with.c_str(),
                    static_cast<DWORD>((open_with.size() + 1) * sizeof(wchar_t)));
    const std::wstring document = (folder / L"PART1.nctshelltest").wstring();
    std::ofstream(folder / L"PART1.nctshelltest") << "";
    EXPECT_NE(shell.program_for_type(L".nctshelltest").value_or(L"").find(L"MILL5X.exe"),
              std::wstring::npos);
    SetEnvironmentVariableW(L"NCT_EXPECTED_END", (document + L"\"").c_str());
    EXPECT_TRUE(shell.open_document(document).task_id);
    EXPECT_EQ(exit_code, 0u);
    RegDeleteTreeW(HKEY_CLASSES_ROOT, L"nctshelltest");
    RegDeleteTreeW(HKEY_CLASSES_ROOT, type.c_str());
}

// The input box, answered by a timer inside its modal loop as a user would.
std::function<void(HWND)> answer;

TEST(InputBox, GivesTheTypedTextOnOkAndNothingOnCancel) {
    for (const int button : {IDOK, IDCANCEL}) {
        answer = [&](HWND box) {
            SetWindowTextW(GetDlgItem(box, desktop::input_box_field_id), L" mill 5x ");
            SendMessageW(GetDlgItem(box, button), BM_CLICK, 0, 0);
        };
        SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR timer, DWORD) {
            if (const HWND box = FindWindowW(L"#32770", L"Install PostProcessor")) {
                KillTimer(nullptr, timer);
                answer(box);
            }
        });
        EXPECT_EQ(
            desktop::input_box(nullptr, L"Enter PostProcessor name", L"Install PostProcessor"),
            button == IDOK ? L" mill 5x " : L"");
    }
}

} // namespace
} // namespace workbench
