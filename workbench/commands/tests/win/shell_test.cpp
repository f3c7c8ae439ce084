// The real Shell under Wine: programs really started, files really deleted.

#include "commands/command_lines.h"
#include "commands/win/win32_shell.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <thread>

namespace workbench {
namespace {

namespace fs = std::filesystem;

fs::path own_folder() {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return fs::path(path).parent_path();
}

// A folder with a blank in its name holding the report-writing program as MILL5X.exe.
class ShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 (L"plexo shell test " + std::to_wstring(GetCurrentProcessId()));
        fs::create_directories(folder);
        fs::copy_file(own_folder() / RECEIVED_COMMAND_LINE_EXE, folder / L"MILL5X.exe",
                      fs::copy_options::overwrite_existing);
        report = folder / L"received.txt";
        SetEnvironmentVariableW(L"NCT_RECEIVED_FILE", report.c_str());
    }
    void TearDown() override {
        SetCurrentDirectoryW(own_folder().c_str());
        std::error_code ignored;
        for (int attempt = 0; attempt < 50 && fs::exists(folder); ++attempt) {
            fs::remove_all(folder, ignored);
            if (fs::exists(folder)) std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    }

    // The process id and the command line that the started program reported.
    std::pair<unsigned long, std::wstring> received() {
        for (int waited = 0; waited < 300 && !fs::exists(report); ++waited)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        std::ifstream in(report, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), {});
        std::wstring text(bytes.size() / sizeof(wchar_t), L'\0');
        std::memcpy(text.data(), bytes.data(), text.size() * sizeof(wchar_t));
        const auto line_break = text.find(L'\n');
        if (line_break == std::wstring::npos) return {0, L"(no report from the started program)"};
        return {std::stoul(text.substr(0, line_break)), text.substr(line_break + 1)};
    }

    fs::path folder, report;
    Win32Shell shell;
};

TEST_F(ShellTest, StartsAProgramWhosePathHoldsABlankWithItsArgumentsAsTheyStand) {
    const auto line =
        post_command(folder.wstring(), L"MILL5X", cl_pieces(L"D:\\MY JOBS", L"PART1.APT"));
    const auto started = shell.start(line);
    ASSERT_TRUE(started.task_id.has_value()) << testing::PrintToString(started.failure);
    const auto [process_id, command_line] = received();
    EXPECT_EQ(command_line, L"\"" + folder.wstring() +
                                L"\\MILL5X\" D:\\MY JOBS\\PART1.APT D \\MY JOBS PART1 APT");
    EXPECT_EQ(process_id, *started.task_id);
}

TEST_F(ShellTest, RunsABatchFileUnderTheInterpreterWithItsArguments) {
    std::ofstream(folder / L"user2.bat") << "@\"%~dp0MILL5X.exe\" %*\r\n";
    SetCurrentDirectoryW(folder.c_str());
    const auto line =
        user_command(2, L"C:\\trelvo\\bin", L"MILL5X", cl_pieces(L"D:\\JOBS\\P100", L"PART1.APT"));
    const auto started = shell.start(line);
    ASSERT_TRUE(started.task_id.has_value()) << testing::PrintToString(started.failure);
    const auto [process_id, command_line] = received();
    const std::wstring arguments = L"C:\\trelvo\\bin MILL5X D:\\JOBS\\P100\\PART1.APT D "
                                   L"\\JOBS\\P100 PART1 APT";
    EXPECT_TRUE(command_line.ends_with(L".exe\" " + arguments))
        << testing::PrintToString(command_line);
}

TEST_F(ShellTest, AProgramThatCannotBeStartedGivesTheSystemsReason) {
    // No such program, and a batch file that is nowhere to be found.
    const CommandLine lines[] = {
        post_command(folder.wstring(), L"NOSUCHPP", cl_pieces(L"D:\\JOBS", L"PART1.APT")),
        user_command(3, L"C:\\trelvo\\bin", L"MILL5X", cl_pieces(L"D:\\JOBS", L"PART1.APT")),
    };
    for (const auto& line : lines) {
        const auto started = shell.start(line);
        EXPECT_FALSE(started.task_id.has_value()) << testing::PrintToString(line.text());
        EXPECT_FALSE(started.failure.empty());
    }
}

TEST_F(ShellTest, DeletesExactlyTheFileAtThePathAndReportsWhyNot) {
    const auto path = folder / L"PART1.APT";
    const auto file = path.wstring();
    std::ofstream(path) << "PARTNO TEST\n";
    EXPECT_TRUE(shell.is_file(file));
    EXPECT_FALSE(shell.is_file((folder / L"PART1").wstring())); // no extension added
    EXPECT_FALSE(shell.is_file(folder.wstring() + L"\\"));      // a folder is not a file
    EXPECT_EQ(shell.delete_file(file), std::nullopt);
    EXPECT_FALSE(fs::exists(file));
    const auto failure = shell.delete_file(file);
    ASSERT_TRUE(failure.has_value());
    EXPECT_FALSE(failure->empty());
}

} // namespace
} // namespace workbench
