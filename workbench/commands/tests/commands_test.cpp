#include "commands/commands.h"

#include "fakes.h"

#include <gtest/gtest.h>

#include <functional>

namespace workbench {
namespace {

using testing::FakePanes;
using testing::FakeShell;
using testing::Log;

const std::wstring path = L"D:\\JOBS\\P100\\PART1.APT";
const std::wstring post_line =
    L"start C:\\trelvo\\bin\\MILL5X D:\\JOBS\\P100\\PART1.APT D \\JOBS\\P100 PART1 APT";
const std::wstring ask_post = L"box 1 Plexo: Select File & PostProcessor";
const std::wstring ask_user = L"box 1 Plexo: Select File";
const std::wstring ask_delete = L"box 1 Plexo: Selected file will be Deleted !!\n" + path;
const std::wstring ask_install = L"input Install PostProcessor: Enter PostProcessor name";
const std::wstring ask_word = L"input Syntax HELP: Enter MAJOR or Major word:";
const std::wstring started = L"box 0 Plexo: Result = 2468";
const std::wstring unsafe = L", which the command interpreter would take as part of a command.";
const std::wstring fails = L"The system cannot find the file specified.";
const std::wstring user_line =
    L"start user1.bat C:\\trelvo\\bin MILL5X " + path + L" D \\JOBS\\P100 PART1 APT";
const std::wstring edit_line =
    L"start c:\\Program Files\\windows NT\\accessories\\wordpad.exe " + path;
const std::wstring install_line = L"start instpp.bat C:\\trelvo\\bin mill5x";
const std::wstring pp_path = L"C:\\trelvo\\bin\\MILL5X";

// The box after a start that failed, for a logged "start ..." line.
std::wstring not_started(const std::wstring& started_line) {
    return L"box 0 Plexo: The program could not be started:\n" + started_line.substr(6) + L"\n" +
           fails;
}

// One click of a button: what the window holds before, how the user answers, and every
// message, start, deletion, pattern and re-read that follows, with Answer and TaskId after.
struct Case {
    const char* name;
    std::function<void(Commands&)> click;
    Log log;
    short answer = 0;
    std::wstring task_id = L"77";
    std::deque<int> answers = {};
    std::deque<std::wstring> inputs = {};
    std::wstring start_failure = {};
    std::wstring cl_file = L"PART1.APT", cl_folder = L"D:\\JOBS\\P100";
    std::set<std::wstring> files = {path};
    std::wstring refusal = {};
};

const auto post = [](Commands& c) { c.post(); };
const auto edit = [](Commands& c) { c.edit(); };
const auto remove = [](Commands& c) { c.delete_cl_file(); };
const auto install = [](Commands& c) { c.install_pp(); };
const auto user = [](int number) { return [number](Commands& c) { c.user(number); }; };

const Case cases[] = {
    {"post OK", post, {ask_post, post_line, started, L"pattern PART1.*"}, 1, L"2468"},
    {.name = "post fails",
     .click = post,
     .log = {ask_post, post_line, not_started(post_line), L"pattern PART1.*"},
     .answer = 1,
     .start_failure = fails},
    {.name = "post Cancel still narrows",
     .click = post,
     .log = {ask_post, L"pattern PART.V2.*"},
     .answer = 2,
     .answers = {2},
     .cl_file = L"PART.V2.APT"},
    {"user 3",
     user(3),
     {ask_user, L"start user3.bat" + user_line.substr(15), L"reread FilAPT"},
     1,
     L"2468"},
    {"user Cancel", user(1), {ask_user}, 2, L"77", {2}},
    {"user fails", user(1), {ask_user, user_line, not_started(user_line)}, 1, L"77", {}, {}, fails},
    {.name = "user with & in the CL path",
     .click = user(2),
     .log = {ask_user, L"box 0 Plexo: user2.bat was not started: the CL path\nD:\\R&D\\PART1.APT"
                       L"\nholds the character &" +
                           unsafe},
     .answer = 1,
     .cl_folder = L"D:\\R&D"},
    {.name = "edit without a file",
     .click = edit,
     .log = {L"box 0 Plexo: File must be selected!"},
     .cl_file = L""},
    {"edit", edit, {edit_line, started}, 0, L"2468"},
    {"edit fails", edit, {edit_line, not_started(edit_line)}, 0, L"77", {}, {}, fails},
    {"delete Cancel", remove, {ask_delete}, 2, L"77", {2}},
    {"delete", remove, {ask_delete, L"delete " + path, L"reread FilAPT"}, 1},
    {.name = "delete refused",
     .click = remove,
     .log = {ask_delete, L"delete " + path,
             L"box 0 Plexo: The file\n" + path + L"\ncould not be deleted: Access is denied.",
             L"reread FilAPT"},
     .answer = 1,
     .refusal = L"Access is denied."},
    {"user's guide keeps no task id",
     [](Commands& c) { c.open_users_guide(); },
     {L"start c:\\Program Files\\Adobe\\Reader 8.0\\Reader\\AcroRD32 "
      L"c:\\trelvo\\doc\\Plexo_Users_Guide.pdf"}},
    {.name = "install",
     .click = install,
     .log = {ask_install, install_line, L"box 0 Plexo: PostProcessor installed.",
             L"reread FilPosts"},
     .task_id = L"2468",
     .inputs = {L"mill5x"}},
    {"install Cancel", install, {ask_install}},
    {.name = "install fails",
     .click = install,
     .log = {ask_install, install_line, not_started(install_line)},
     .inputs = {L"mill5x"},
     .start_failure = fails},
    // The path is shown as it stands, never guessed with an extension.
    {.name = "remove a post-processor named without its extension",
     .click = [](Commands& c) { c.remove_pp(); },
     .log = {L"box 0 Plexo: There is no file\n" + pp_path + L"\nNothing was deleted."},
     .files = {pp_path + L".EXE"}},
    {.name = "syntax help",
     .click = [](Commands& c) { c.pp_help(); },
     .log = {ask_word, L"start C:\\trelvo\\bin\\MILL5X ?GOTO"},
     .task_id = L"2468",
     .inputs = {L"gotO"}},
};

TEST(Commands, EachButtonAsksStartsDeletesAndRereadsAsItShould) {
    for (const auto& c : cases) {
        Log log;
        FakeShell shell{log};
        FakePanes panes{log};
        WindowState state{.cl_file = c.cl_file, .pp_name = L"MILL5X", .task_id = L"77"};
        panes.cl = c.cl_folder;
        shell.answers = c.answers;
        shell.inputs = c.inputs;
        shell.files = c.files;
        shell.start_failure = c.start_failure;
        if (!c.refusal.empty()) shell.refusals[path] = c.refusal;
        Commands commands{state, panes, shell};
        c.click(commands);
        EXPECT_EQ(log, c.log) << c.name;
        EXPECT_EQ(std::pair(state.answer, state.task_id), std::pair(c.answer, c.task_id)) << c.name;
    }
}

} // namespace
} // namespace workbench
