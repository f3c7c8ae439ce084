// FilAPT's "Plot": Backplot.exe from the workbench's folder on the chosen file's full path in
// quotes, or the path where it was looked for when it is not there.

#include "commands/commands.h"
#include "commands/plot_command.h"

#include "fakes.h"

#include <gtest/gtest.h>

namespace workbench {
namespace {

TEST(PlotCommand, BackplotOnTheChosenFileOrWhereItIsMissing) {
    const std::wstring plexo = L"C:\\Program Files\\Plexo", backplot = plexo + L"\\Backplot.exe";
    const struct {
        std::wstring cl_folder, cl_file;
        bool installed;
        std::wstring start_failure;
        testing::Log log;
    } cases[] = {
        {L"D:\\JOBS\\P 100",
         L"PART 1.NC1",
         true,
         {},
         {L"start " + backplot + L" \"D:\\JOBS\\P 100\\PART 1.NC1\""}},
        // A drive root: one backslash, the full path.
        {L"C:\\", L"PART1.APT", true, {}, {L"start " + backplot + L" \"C:\\PART1.APT\""}},
        {L"D:\\JOBS",
         L"PART1.APT",
         false,
         {},
         {L"box 0 Plexo: The file cannot be plotted: Backplot was looked for as\n" + backplot +
          L"\nand is not there."}},
        {L"D:\\JOBS",
         L"PART1.APT",
         true,
         L"Access is denied.",
         {L"start " + backplot + L" \"D:\\JOBS\\PART1.APT\"",
          L"box 0 Plexo: The program could not be started:\n" + backplot +
              L" \"D:\\JOBS\\PART1.APT\"\nAccess is denied."}},
        {L"D:\\JOBS", L"", true, {}, {L"box 0 Plexo: File must be selected!"}},
    };
    for (const auto& c : cases) {
        testing::Log log;
        testing::FakeShell shell(log);
        testing::FakePanes panes(log);
        panes.cl = c.cl_folder;
        if (c.installed) shell.files.insert(backplot);
        shell.start_failure = c.start_failure;
        WindowState state{.cl_file = c.cl_file, .task_id = L"77"};
        Commands(state, panes, shell).plot(plexo);
        EXPECT_EQ(log, c.log) << c.cl_file;
        EXPECT_EQ(state.task_id, L"77");
    }
    // As the system is handed it: the program quoted for its blank, the path as it stands.
    EXPECT_EQ(program_line(plot_command(plexo, L"D:\\A B\\C.NC")),
              L"\"" + backplot + L"\" \"D:\\A B\\C.NC\"");
}

} // namespace
} // namespace workbench
