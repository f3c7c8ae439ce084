#include "commands/commands.h"

#include "fakes.h"

#include <gtest/gtest.h>

namespace workbench {
namespace {

using testing::FakePanes;
using testing::FakeShell;
using testing::Log;

constexpr auto cl_path = L"D:\\JOBS\\P100\\PART1.APT";
constexpr auto post_line = L"C:\\trelvo\\bin\\MILL5X D:\\JOBS\\P100\\PART1.APT D \\JOBS\\P100 "
                           L"PART1 APT";
constexpr auto user_arguments = L" C:\\trelvo\\bin MILL5X D:\\JOBS\\P100\\PART1.APT D "
                                L"\\JOBS\\P100 PART1 APT";
constexpr auto editor = L"c:\\Program Files\\windows NT\\accessories\\wordpad.exe";
constexpr auto no_such_program = L"The system cannot find the file specified.";

class CommandsTest : public ::testing::Test {
protected:
    CommandsTest() {
        state.cl_file = L"PART1.APT";
        state.pp_name = L"MILL5X";
        state.task_id = L"77";
    }
    std::wstring not_started(const std::wstring& line) {
        return L"box 0 Plexo: The program could not be started:\n" + line + L"\n" + no_such_program;
    }

    Log log;
    FakeShell shell{log};
    FakePanes panes{log};
    WindowState state;
    Commands commands{state, panes, shell};
};

TEST_F(CommandsTest, PostProcessStartsReportsAndNarrowsTheList) {
    commands.post();
    EXPECT_EQ(log,
              (Log{L"box 1 Plexo: Select File & PostProcessor", L"start " + std::wstring(post_line),
                   L"box 0 Plexo: Result = 2468", L"pattern PART1.*"}));
    EXPECT_EQ(state.answer, 1);
    EXPECT_EQ(state.task_id, L"2468");
}

TEST_F(CommandsTest, PostProcessNarrowsTheListToTheBaseNameEvenAfterCancel) {
    struct Case {
        const wchar_t *cl_file, *pattern;
    };
    const Case cases[] = {{L"PART1.APT", L"PART1.*"},
                          {L"PART.V2.APT", L"PART.V2.*"},
                          {L"README", L".*"},
                          {L"", L".*"}};
    for (const auto& c : cases) {
        log.clear();
        state.cl_file = c.cl_file;
        shell.answers = {cancel_button};
        commands.post();
        EXPECT_EQ(log, (Log{L"box 1 Plexo: Select File & PostProcessor",
                            L"pattern " + std::wstring(c.pattern)}));
        EXPECT_EQ(state.answer, 2);
        EXPECT_EQ(state.task_id, L"77");
    }
}

TEST_F(CommandsTest, PostProcessJoinsTheFolderOpenNowWithTheRememberedFile) {
    panes.cl = L"C:\\";
    panes.pp = L"E:\\POSTS";
    commands.post();
    ASSERT_EQ(shell.started.size(), 1u);
    EXPECT_EQ(shell.started[0].text(), L"E:\\POSTS\\MILL5X C:\\\\PART1.APT C \\ PART1 APT");
}

TEST_F(CommandsTest, AFailedStartIsReportedAndKeepsTheTaskId) {
    shell.start_failure = no_such_program;
    commands.post();
    EXPECT_EQ(log,
              (Log{L"box 1 Plexo: Select File & PostProcessor", L"start " + std::wstring(post_line),
                   not_started(post_line), L"pattern PART1.*"}));
    EXPECT_EQ(state.task_id, L"77");

    for (auto command : {&Commands::edit, &Commands::pp_help, &Commands::install_pp}) {
        log.clear();
        shell.inputs = {L"mill5x"};
        (commands.*command)();
        ASSERT_FALSE(log.empty());
        EXPECT_NE(log.back().find(L"could not be started"), std::wstring::npos) << log.back();
        EXPECT_EQ(state.task_id, L"77");
    }
}

TEST_F(CommandsTest, UserProcessesRunTheirBatchFileAndRereadTheList) {
    for (int number = 1; number <= 3; ++number) {
        log.clear();
        shell.next_task_id = 100 + number;
        commands.user(number);
        const std::wstring line = L"user" + std::to_wstring(number) + L".bat" + user_arguments;
        EXPECT_EQ(log, (Log{L"box 1 Plexo: Select File", L"start " + line, L"reread FilAPT"}));
        EXPECT_EQ(state.task_id, std::to_wstring(100 + number));
        EXPECT_EQ(state.answer, 1);
    }
}

TEST_F(CommandsTest, UserProcessStartsNothingOnCancelOrWhenAPieceIsInterpreterSyntax) {
    shell.answers = {cancel_button};
    commands.user(1);
    EXPECT_EQ(log, (Log{L"box 1 Plexo: Select File"}));
    EXPECT_EQ(state.answer, 2);

    log.clear();
    panes.cl = L"D:\\R&D";
    commands.user(2);
    EXPECT_EQ(log, (Log{L"box 1 Plexo: Select File",
                        L"box 0 Plexo: user2.bat was not started: the CL path\n"
                        L"D:\\R&D\\PART1.APT\nholds the character &, which the command "
                        L"interpreter would take as part of a command."}));
    EXPECT_TRUE(shell.started.empty());
    EXPECT_EQ(state.task_id, L"77");
}

TEST_F(CommandsTest, EditNeedsAFileThenStartsTheEditorAndReports) {
    state.cl_file.clear();
    commands.edit();
    EXPECT_EQ(log, (Log{L"box 0 Plexo: File must be selected!"}));
    EXPECT_TRUE(shell.started.empty());

    log.clear();
    state.cl_file = L"PART1.APT";
    commands.edit();
    EXPECT_EQ(log, (Log{L"start " + std::wstring(editor) + L" " + cl_path,
                        L"box 0 Plexo: Result = 2468"}));
    EXPECT_EQ(state.task_id, L"2468");
    EXPECT_EQ(state.answer, 0); // no OK/Cancel box was shown
}

TEST_F(CommandsTest, DeleteShowsThePathAsksAndRereads) {
    shell.files = {cl_path};
    shell.answers = {cancel_button};
    commands.delete_cl_file();
    EXPECT_EQ(log,
              (Log{L"box 1 Plexo: Selected file will be Deleted !!\nD:\\JOBS\\P100\\PART1.APT"}));
    EXPECT_EQ(state.answer, 2);
    EXPECT_TRUE(shell.files.contains(cl_path));

    log.clear();
    commands.delete_cl_file();
    EXPECT_EQ(log, (Log{L"box 1 Plexo: Selected file will be Deleted !!\nD:\\JOBS\\P100\\PART1.APT",
                        L"delete D:\\JOBS\\P100\\PART1.APT", L"reread FilAPT"}));
    EXPECT_EQ(state.answer, 1);
    EXPECT_EQ(state.cl_file, L"PART1.APT"); // still names the deleted file
}

TEST_F(CommandsTest, DeleteSaysSoWhenNoFileHasThePathOrTheSystemRefuses) {
    struct Case {
        const wchar_t *cl_folder, *cl_file, *path;
    };
    const Case cases[] = {
        {L"D:\\JOBS\\P100", L"", L"D:\\JOBS\\P100\\"},                 // no file chosen
        {L"D:\\JOBS\\P100", L"GONE.APT", L"D:\\JOBS\\P100\\GONE.APT"}, // already deleted
        {L"E:\\OTHER", L"PART1.APT", L"E:\\OTHER\\PART1.APT"}, // remembered name, new folder
    };
    for (const auto& c : cases) {
        log.clear();
        shell.files = {cl_path};
        panes.cl = c.cl_folder;
        state.cl_file = c.cl_file;
        state.answer = 0;
        commands.delete_cl_file();
        EXPECT_EQ(log, (Log{L"box 0 Plexo: There is no file\n" + std::wstring(c.path) +
                            L"\nNothing was deleted."}));
        EXPECT_EQ(state.answer, 0);
    }

    log.clear();
    panes.cl = L"D:\\JOBS\\P100";
    state.cl_file = L"PART1.APT";
    shell.refusals[cl_path] = L"Access is denied.";
    commands.delete_cl_file();
    EXPECT_EQ(log, (Log{L"box 1 Plexo: Selected file will be Deleted !!\nD:\\JOBS\\P100\\PART1.APT",
                        L"delete D:\\JOBS\\P100\\PART1.APT",
                        L"box 0 Plexo: The file\nD:\\JOBS\\P100\\PART1.APT\ncould not be "
                        L"deleted: Access is denied.",
                        L"reread FilAPT"}));
}

TEST_F(CommandsTest, UsersGuideStartsTheSameLineAndKeepsNoTaskId) {
    state.cl_file.clear();
    commands.open_users_guide();
    commands.open_users_guide();
    const std::wstring line = L"start c:\\Program Files\\Adobe\\Reader 8.0\\Reader\\AcroRD32 "
                              L"c:\\trelvo\\doc\\Plexo_Users_Guide.pdf";
    EXPECT_EQ(log, (Log{line, line}));
    EXPECT_EQ(state.task_id, L"77");
}

TEST_F(CommandsTest, InstallAsksForANameStartsReportsAndRereads) {
    shell.inputs = {L"mill5x"};
    commands.install_pp();
    EXPECT_EQ(log, (Log{L"input Install PostProcessor: Enter PostProcessor name",
                        L"start instpp.bat C:\\trelvo\\bin mill5x",
                        L"box 0 Plexo: PostProcessor installed.", L"reread FilPosts"}));
    EXPECT_EQ(state.task_id, L"2468");

    log.clear();
    commands.install_pp(); // Cancel or nothing typed
    EXPECT_EQ(log, (Log{L"input Install PostProcessor: Enter PostProcessor name"}));

    log.clear();
    shell.inputs = {L"mill&del"};
    commands.install_pp();
    EXPECT_EQ(log, (Log{L"input Install PostProcessor: Enter PostProcessor name",
                        L"box 0 Plexo: instpp.bat was not started: the post-processor name\n"
                        L"mill&del\nholds the character &, which the command interpreter "
                        L"would take as part of a command."}));
}

TEST_F(CommandsTest, RemoveDeletesThePostProcessorPathWithoutExtension) {
    shell.files = {L"C:\\trelvo\\bin\\MILL5X.EXE"};
    commands.remove_pp();
    EXPECT_EQ(log, (Log{L"box 0 Plexo: There is no file\nC:\\trelvo\\bin\\MILL5X\nNothing was "
                        L"deleted."}));

    log.clear();
    shell.files.insert(L"C:\\trelvo\\bin\\MILL5X");
    commands.remove_pp();
    EXPECT_EQ(log, (Log{L"box 1 Plexo: Selected PostProcessor will be Deleted !!\n"
                        L"C:\\trelvo\\bin\\MILL5X",
                        L"delete C:\\trelvo\\bin\\MILL5X", L"reread FilPosts"}));
    EXPECT_EQ(state.answer, 1);

    log.clear();
    shell.files.insert(L"C:\\trelvo\\bin\\MILL5X");
    shell.answers = {cancel_button};
    commands.remove_pp();
    EXPECT_EQ(log.size(), 1u);
    EXPECT_EQ(state.answer, 2);
    EXPECT_EQ(state.pp_name, L"MILL5X");
}

TEST_F(CommandsTest, SyntaxHelpUpperCasesTheWordAndStartsEvenWithoutOne) {
    shell.inputs = {L"gotO", L""};
    commands.pp_help();
    commands.pp_help();
    EXPECT_EQ(log, (Log{L"input Syntax HELP: Enter MAJOR or Major word:",
                        L"start C:\\trelvo\\bin\\MILL5X ?GOTO",
                        L"input Syntax HELP: Enter MAJOR or Major word:",
                        L"start C:\\trelvo\\bin\\MILL5X ?"}));
    EXPECT_EQ(state.task_id, L"2469");
}

} // namespace
} // namespace workbench
