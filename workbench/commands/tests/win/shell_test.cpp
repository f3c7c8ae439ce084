// The real Shell under Wine: programs really started, files really deleted, the input box
// really shown.

#include "commands/command_lines.h"
#include "commands/win/input_box.h"
#include "commands/win/win32_shell.h"
#include "window_testing.h"

#include <desktop/win32.h>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>

namespace workbench {
namespace {

namespace fs = std::filesystem;
using desktop::testing::text_of;

// A folder with a blank in its name holding the report-writing program as MILL5X.exe.
class ShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(folder);
        fs::copy_file(fs::path(desktop::program_folder()) / RECEIVED_COMMAND_LINE_EXE,
                      folder / L"MILL5X.exe", fs::copy_options::overwrite_existing);
        SetEnvironmentVariableW(L"NCT_RECEIVED_FILE", report.c_str());
    }
    void TearDown() override {
        SetCurrentDirectoryW(desktop::program_folder().c_str());
        fs::remove_all(folder);
    }

    // Starts the line and gives the command line the started program reported, and whether
    // the task id is its own process id (a batch file's is the interpreter's).
    std::pair<bool, std::wstring> received(const CommandLine& line) {
        fs::remove(report); // an earlier start's report is not this one's
        const auto started = shell.start(line);
        if (!started.task_id) return {false, L"(not started) " + started.failure};
        std::ifstream in(report, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), {});
        std::wstring text(bytes.size() / sizeof(wchar_t), L'\0');
        std::memcpy(text.data(), bytes.data(), text.size() * sizeof(wchar_t));
        const auto line_break = text.find(L'\n');
        if (line_break == text.npos) return {false, L"(no report)"};
        return {std::stoul(text.substr(0, line_break)) == *started.task_id,
                text.substr(line_break + 1)};
    }

    const fs::path folder =
        fs::temp_directory_path() / (L"plexo shell test " + std::to_wstring(GetCurrentProcessId()));
    const fs::path report = folder / L"received.txt";
    // Each start returns once the program has ended and its report is complete.
    Win32Shell shell{nullptr, [](HANDLE process) { WaitForSingleObject(process, 15000); }};
};

// A program path with a blank is quoted for the system, a batch file runs under the
// interpreter; the arguments arrive as they stand.
TEST_F(ShellTest, StartsProgramsAndBatchFilesWithTheirArgumentsAsTheyStand) {
    EXPECT_EQ(received(post_command(folder.wstring(), L"MILL5X",
                                    cl_pieces(L"D:\\MY JOBS", L"PART1.APT"))),
              std::pair(true, L"\"" + folder.wstring() +
                                  L"\\MILL5X\" D:\\MY JOBS\\PART1.APT D \\MY JOBS PART1 APT"));
    std::ofstream(folder / L"user2.bat") << "@\"%~dp0MILL5X.exe\" %*\r\n";
    SetCurrentDirectoryW(folder.c_str());
    const auto command_line = received(user_command(2, L"C:\\trelvo\\bin", L"MILL5X",
                                                    cl_pieces(L"D:\\JOBS\\P100", L"PART1.APT")))
                                  .second;
    EXPECT_TRUE(command_line.ends_with(
        L".exe\" C:\\trelvo\\bin MILL5X D:\\JOBS\\P100\\PART1.APT D \\JOBS\\P100 PART1 APT"))
        << testing::PrintToString(command_line);
}

TEST_F(ShellTest, ReportsWhyAProgramDidNotStartOrAFileWasNotDeleted) {
    // A batch file that is nowhere to be found.
    const auto started = shell.start(
        user_command(3, L"C:\\trelvo\\bin", L"MILL5X", cl_pieces(L"D:\\JOBS", L"PART1.APT")));
    EXPECT_TRUE(!started.task_id && !started.failure.empty());

    const auto file = (folder / L"PART1.APT").wstring();
    std::ofstream(folder / L"PART1.APT") << "PARTNO TEST\n";
    EXPECT_FALSE(shell.is_file((folder / L"PART1").wstring())); // no extension added
    EXPECT_FALSE(shell.is_file(folder.wstring() + L"\\"));      // a folder is not a file
    EXPECT_EQ(shell.delete_file(file), std::nullopt);
    EXPECT_FALSE(shell.is_file(file));
    EXPECT_NE(shell.delete_file(file).value_or(L""), L"");
}

// The input box, answered by a timer inside its modal loop as a user would; the action
// gives true once it has found the box.
std::function<bool()> pending_action;

void CALLBACK on_timer(HWND, UINT, UINT_PTR timer, DWORD) {
    if (pending_action()) KillTimer(nullptr, timer);
}

TEST(InputBox, GivesTheTypedTextOnOkAndNothingOnCancel) {
    const struct {
        const wchar_t* typed;
        int button;
        const wchar_t* result;
    } cases[] = {{L" mill 5x ", IDOK, L" mill 5x "}, {L"mill5x", IDCANCEL, L""}};
    for (const auto& c : cases) {
        std::wstring seen_prompt, initial_field;
        pending_action = [&] {
            const HWND dialog = FindWindowW(L"#32770", L"Install PostProcessor");
            if (!dialog) return false;
            seen_prompt = text_of(GetDlgItem(dialog, input_box_prompt_id));
            initial_field = text_of(GetDlgItem(dialog, input_box_field_id));
            SetWindowTextW(GetDlgItem(dialog, input_box_field_id), c.typed);
            SendMessageW(GetDlgItem(dialog, c.button), BM_CLICK, 0, 0);
            return true;
        };
        SetTimer(nullptr, 0, 50, on_timer);
        EXPECT_EQ(
            (std::vector{input_box(nullptr, L"Enter PostProcessor name", L"Install PostProcessor"),
                         seen_prompt, initial_field}),
            (std::vector<std::wstring>{c.result, L"Enter PostProcessor name", L""}));
    }
}

} // namespace
} // namespace workbench
