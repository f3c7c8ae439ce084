#include "commands/command_lines.h"

#include <gtest/gtest.h>

namespace workbench {
namespace {

using ::testing::PrintToString;

// The CL pieces at their edges; the user process lines hand over the same pieces.
TEST(CommandLines, PostProcessingLinesToTheCharacter) {
    const struct {
        const wchar_t *cl_folder, *cl_file, *pp_name, *line;
    } cases[] = {
        // Several periods: the last one splits.
        {L"D:\\JOBS\\P100", L"PART.V2.APT", L"MILL5X",
         L"C:\\trelvo\\bin\\MILL5X D:\\JOBS\\P100\\PART.V2.APT D \\JOBS\\P100 PART.V2 APT"},
        // No period: empty base name, two blanks before the extension.
        {L"D:\\JOBS\\P100", L"README", L"MILL5X",
         L"C:\\trelvo\\bin\\MILL5X D:\\JOBS\\P100\\README D \\JOBS\\P100  README"},
        // No CL file chosen: the path ends in a backslash, the line in two blanks.
        {L"D:\\JOBS\\P100", L"", L"MILL5X",
         L"C:\\trelvo\\bin\\MILL5X D:\\JOBS\\P100\\ D \\JOBS\\P100  "},
        // A drive root keeps its backslash: two in a row, folder part a lone backslash.
        {L"C:\\", L"PART 1.APT", L"", L"C:\\trelvo\\bin\\ C:\\\\PART 1.APT C \\ PART 1 APT"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(
            post_command(L"C:\\trelvo\\bin", c.pp_name, cl_pieces(c.cl_folder, c.cl_file)).text(),
            c.line)
            << PrintToString(c.cl_file);
}

// A program path is quoted when it holds a blank; a batch file's path always, since "," ";"
// "=" split it as a blank does. The arguments stay as they stand.
TEST(CommandLines, AreHandedOverWithTheProgramPathQuoted) {
    EXPECT_EQ(program_line(syntax_help_command(L"C:\\Post Processors", L"MILL5X", L"")),
              L"\"C:\\Post Processors\\MILL5X\" ?");
    EXPECT_EQ(
        interpreter_line(install_command(L"C:\\trelvo\\bin", L" mill 5x "), L"D:\\a,b\\instpp.bat"),
        L"cmd.exe /d /v:off /s /c \"\"D:\\a,b\\instpp.bat\" C:\\trelvo\\bin  mill 5x \"");
}

TEST(InterpreterHazard, NamesTheCharacterAndThePieceThatHoldsIt) {
    const auto plain = cl_pieces(L"D:\\JOBS (old)\\P 100", L"PART!1.APT");
    const struct {
        CommandLine line;
        const wchar_t* expected; // nullptr: safe to start
    } cases[] = {
        {user_command(1, L"C:\\trelvo\\bin", L"MILL5X", plain), nullptr},
        {edit_command(L"D:\\R&D\\P%1%.APT"), nullptr}, // not a batch file
        {user_command(3, L"C:\\a|b", L"MILL5X", plain),
         L"user3.bat was not started: the post-processor folder\nC:\\a|b\nholds the character "
         L"|, which the command interpreter would take as part of a command."},
        {install_command(L"C:\\trelvo\\bin", L"x>nul"),
         L"instpp.bat was not started: the post-processor name\nx>nul\nholds the character >, "
         L"which the command interpreter would take as part of a command."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(interpreter_hazard(c.line),
                  c.expected ? std::optional<std::wstring>(c.expected) : std::nullopt)
            << PrintToString(c.line.text());
}

} // namespace
} // namespace workbench
