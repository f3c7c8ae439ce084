#include "commands/commands.h"

#include "fakes.h"

#include <gtest/gtest.h>

#include <functional>

namespace workbench {
namespace {

using testing::Log;

const std::wstring path = L"D:\\JOBS\\P100\\PART1.APT", pp_path = L"C:\\trelvo\\bin\\MILL5X";
const std::wstring pieces = path + L" D \\JOBS\\P100 PART1 APT";
const std::wstring post_line = L"start " + pp_path + L" " + pieces;
const std::wstring wordpad = L"c:\\Program Files\\windows NT\\accessories\\wordpad.exe",
                   reader = L"c:\\Program Files\\Adobe\\Reader 8.0\\Reader\\AcroRD32",
                   guide = L"c:\\trelvo\\doc\\Plexo_Users_Guide.pdf";
const std::wstring edit_line = L"start " + wordpad + L" " + path;
const std::wstring install_line = L"start instpp.bat C:\\trelvo\\bin mill5x";
const std::wstring ask_post = L"box 1 Plexo: Select File & PostProcessor";
const std::wstring ask_user = L"box 1 Plexo: Select File";
const std::wstring ask_delete = L"box 1 Plexo: Selected file will be Deleted !!\n" + path;
const std::wstring ask_install = L"input Install PostProcessor: Enter PostProcessor name";
const std::wstring result = L"box 0 Plexo: Result = 2468";
const std::wstring ok = L"Answer 1 TaskId 77", cancel = L"Answer 2 TaskId 77",
                   kept = L"Answer 0 TaskId 77", ok_started = L"Answer 1 TaskId 2468",
                   started = L"Answer 0 TaskId 2468";

const std::wstring reason = L"The system cannot find the file specified.";

std::wstring not_started(const std::wstring& line) {
    return L"box 0 Plexo: The program could not be started:\n" + line.substr(6) + L"\n" + reason;
}

struct World {
    Log log;
    testing::FakeShell shell{log};
    testing::FakePanes panes{log};
    WindowState state{.cl_file = L"PART1.APT", .pp_name = L"MILL5X", .task_id = L"77"};
};
using Setup = std::function<void(World&)>;
const Setup cancels = [](World& w) { w.shell.cancels = 1; };
const Setup fails = [](World& w) { w.shell.start_failure = reason; };

using Click = std::function<void(Commands&)>;
const Click post = &Commands::post, edit = &Commands::edit, remove = &Commands::delete_cl_file,
            install = &Commands::install_pp, help = &Commands::open_users_guide;
// Where the programs of the definition's lines are missing: the guide and a PDF program.
const Setup no_reader = [](World& w) {
    w.shell.missing_programs = {reader};
    w.shell.files.insert(guide);
    w.shell.type_programs[L".pdf"] = L"C:\\Tools\\pdfview.exe";
};
const auto user = [](int number) { return [number](Commands& c) { c.user(number); }; };

// One click with PART1.APT in D:\JOBS\P100 and MILL5X chosen, TaskId 77 and "mill5x" typed
// into any input box, changed by the setup: every message, start, deletion, pattern and
// re-read that follows, then Answer and TaskId.
const struct {
    Click click;
    Log log;
    Setup setup = [](World&) {};
} cases[] = {
    {post, {ask_post, post_line, result, L"pattern PART1.*", ok_started}},
    {post, {ask_post, L"pattern PART1.*", cancel}, cancels}, // narrowed all the same
    {post, {ask_post, post_line, not_started(post_line), L"pattern PART1.*", ok}, fails},
    {user(3),
     {ask_user, L"start user3.bat C:\\trelvo\\bin MILL5X " + pieces, L"reread FilAPT", ok_started}},
    {user(1), {ask_user, cancel}, cancels},
    {user(2),
     {ask_user,
      L"box 0 Plexo: user2.bat was not started: the CL path\nD:\\R&D\\PART1.APT\n"
      L"holds the character &, which the command interpreter would take as part of "
      L"a command.",
      ok},
     [](World& w) { w.panes.cl = L"D:\\R&D"; }},
    {edit, {edit_line, result, started}},
    {edit, {edit_line, not_started(edit_line), kept}, fails},
    {edit, {L"box 0 Plexo: File must be selected!", kept}, [](World& w) { w.state.cl_file = {}; }},
    // Without WordPad, Notepad; without either, the message says what was tried.
    {edit,
     {L"start notepad.exe \"" + path + L"\"", result, started},
     [](World& w) { w.shell.missing_programs = {wordpad}; }},
    {edit,
     {L"box 0 Plexo: The file\n" + path + L"\ncould not be opened for editing: neither WordPad\n" +
          wordpad + L"\nnor Notepad (notepad.exe) is on this computer.",
      kept},
     [](World& w) {
         w.shell.missing_programs = {wordpad, L"notepad.exe"};
     }},
    {remove, {ask_delete, L"delete " + path, L"reread FilAPT", ok}},
    {remove, {ask_delete, cancel}, cancels},
    {remove,
     {ask_delete, L"delete " + path,
      L"box 0 Plexo: The file\n" + path + L"\ncould not be deleted: Access is denied.",
      L"reread FilAPT", ok},
     [](World& w) { w.shell.refusal = L"Access is denied."; }},
    // The user's guide keeps no task id.
    {help, {L"start " + reader + L" " + guide, kept}},
    // Without the reader, the guide opens with the program of its type; without that (or the
    // guide) nothing can open it, and the message says what was tried.
    {help, {L"open " + guide, kept}, no_reader},
    {help,
     {L"box 0 Plexo: The reader\n" + reader + L"\nis not on this computer, and no program is " +
          L"set to open .pdf files, so the user's guide\n" + guide + L"\ncannot be opened.",
      kept},
     [](World& w) {
         no_reader(w);
         w.shell.type_programs.clear();
     }},
    {help,
     {L"box 0 Plexo: The reader\n" + reader + L"\nis not on this computer, and there is no " +
          L"user's guide\n" + guide + L"\nto open otherwise.",
      kept},
     [](World& w) {
         no_reader(w);
         w.shell.files.erase(guide);
     }},
    {install,
     {ask_install, install_line, L"box 0 Plexo: PostProcessor installed.", L"reread FilPosts",
      started}},
    {install, {ask_install, kept}, cancels},
    {install, {ask_install, install_line, not_started(install_line), kept}, fails},
    // The path is shown as it stands, never guessed with an extension.
    {&Commands::remove_pp,
     {L"box 0 Plexo: There is no file\n" + pp_path + L"\nNothing was deleted.", kept},
     [](World& w) { w.shell.files = {pp_path + L".EXE"}; }},
    {&Commands::pp_help,
     {L"input Syntax HELP: Enter MAJOR or Major word:", L"start " + pp_path + L" ?MILL5X",
      started}},
};

TEST(Commands, EachButtonAsksStartsDeletesAndRereadsAsItShould) {
    for (const auto& c : cases) {
        World world;
        world.shell.typed = L"mill5x";
        world.shell.files = {path};
        c.setup(world);
        Commands commands{world.state, world.panes, world.shell};
        c.click(commands);
        world.log.push_back(L"Answer " + std::to_wstring(world.state.answer) + L" TaskId " +
                            world.state.task_id);
        EXPECT_EQ(world.log, c.log);
    }
}

// A post-processing run that ends with another code than 0 is told once, naming the program
// and its status file where there is one, and nothing else changes; other ends say nothing.
// It waits for a box that is open.
TEST(Commands, AFailedPostProcessingRunIsToldOnce) {
    const std::wstring status = L"D:\\JOBS\\P100\\PART1.NCS";
    const auto failed = [](const std::wstring& code) {
        return L"box 0 Plexo: The post-processor\n" + pp_path + L"\n(task 2468) ended with the " +
               L"exit code " + code + L": its run failed.";
    };
    const struct {
        Click click;
        unsigned long task_id, exit_code;
        bool status_written;
        Log log; // what the end shows
    } cases[] = {
        {post, 2468, 1, true, {failed(L"1") + L"\nIts status is in\n" + status}},
        {post, 2468, 1, false, {failed(L"1")}},
        {post, 2468, 0xC0000005, false, {failed(L"3221225477 (0xC0000005)")}},
        {post, 2468, 0, true, {}},
        {post, 2469, 1, true, {}}, // another program's end
        {user(1), 2468, 1, true, {}},
    };
    for (const auto& c : cases) {
        World world;
        world.shell.files = {path};
        if (c.status_written) world.shell.files.insert(status);
        Commands commands{world.state, world.panes, world.shell};
        c.click(commands);
        world.log.clear();
        const WindowState before = world.state;
        commands.program_ended(c.task_id, c.exit_code);
        commands.program_ended(c.task_id, c.exit_code);
        EXPECT_EQ(world.log, c.log) << c.exit_code;
        EXPECT_EQ(std::pair(world.state.answer, world.state.task_id),
                  std::pair(before.answer, before.task_id));
    }

    // A run that ends while its "Result =" box is open is told once that box is closed.
    World world;
    Commands commands{world.state, world.panes, world.shell};
    world.shell.while_box_open = [&](std::wstring_view text) {
        if (!text.starts_with(L"Result")) return;
        commands.program_ended(2468, 1);
        world.log.push_back(L"closed");
    };
    commands.post();
    EXPECT_EQ(world.log,
              (Log{ask_post, post_line, result, L"closed", failed(L"1"), L"pattern PART1.*"}));
}

} // namespace
} // namespace workbench
