#include "commands/command_lines.h"

#include <gtest/gtest.h>

namespace workbench {
namespace {

std::string printed(const std::wstring& text) {
    return ::testing::PrintToString(text);
}

// The post-processing and user process lines share the CL pieces; one table checks both.
TEST(CommandLines, PostProcessingAndUserProcessLinesToTheCharacter) {
    const struct {
        const wchar_t *cl_folder, *cl_file, *pp_folder, *pp_name, *post, *user1;
    } cases[] = {
        {L"D:\\JOBS\\P100", L"PART1.APT", L"C:\\trelvo\\bin", L"MILL5X",
         L"C:\\trelvo\\bin\\MILL5X D:\\JOBS\\P100\\PART1.APT D \\JOBS\\P100 PART1 APT",
         L"user1.bat C:\\trelvo\\bin MILL5X D:\\JOBS\\P100\\PART1.APT D \\JOBS\\P100 PART1 APT"},
        // Several periods: the last one splits.
        {L"D:\\JOBS\\P100", L"PART.V2.APT", L"C:\\trelvo\\bin", L"MILL5X",
         L"C:\\trelvo\\bin\\MILL5X D:\\JOBS\\P100\\PART.V2.APT D \\JOBS\\P100 PART.V2 APT",
         L"user1.bat C:\\trelvo\\bin MILL5X D:\\JOBS\\P100\\PART.V2.APT D \\JOBS\\P100 PART.V2 "
         L"APT"},
        // No period: empty base name, two blanks before the extension.
        {L"D:\\JOBS\\P100", L"README", L"C:\\trelvo\\bin", L"MILL5X",
         L"C:\\trelvo\\bin\\MILL5X D:\\JOBS\\P100\\README D \\JOBS\\P100  README",
         L"user1.bat C:\\trelvo\\bin MILL5X D:\\JOBS\\P100\\README D \\JOBS\\P100  README"},
        // No CL file chosen: the path ends in a backslash, the line in two blanks.
        {L"D:\\JOBS\\P100", L"", L"C:\\trelvo\\bin", L"MILL5X",
         L"C:\\trelvo\\bin\\MILL5X D:\\JOBS\\P100\\ D \\JOBS\\P100  ",
         L"user1.bat C:\\trelvo\\bin MILL5X D:\\JOBS\\P100\\ D \\JOBS\\P100  "},
        // A drive root keeps its backslash: two in a row, folder part a lone backslash.
        {L"C:\\", L"PART1.APT", L"C:\\trelvo\\bin", L"MILL5X",
         L"C:\\trelvo\\bin\\MILL5X C:\\\\PART1.APT C \\ PART1 APT",
         L"user1.bat C:\\trelvo\\bin MILL5X C:\\\\PART1.APT C \\ PART1 APT"},
        // No post-processor chosen: the program is the folder; two blanks in the user line.
        {L"D:\\JOBS\\P100", L"PART1.APT", L"C:\\trelvo\\bin", L"",
         L"C:\\trelvo\\bin\\ D:\\JOBS\\P100\\PART1.APT D \\JOBS\\P100 PART1 APT",
         L"user1.bat C:\\trelvo\\bin  D:\\JOBS\\P100\\PART1.APT D \\JOBS\\P100 PART1 APT"},
        // Blanks in names are passed as they stand.
        {L"D:\\MY JOBS", L"PART 1.APT", L"C:\\trelvo\\bin", L"MILL5X",
         L"C:\\trelvo\\bin\\MILL5X D:\\MY JOBS\\PART 1.APT D \\MY JOBS PART 1 APT",
         L"user1.bat C:\\trelvo\\bin MILL5X D:\\MY JOBS\\PART 1.APT D \\MY JOBS PART 1 APT"},
    };
    for (const auto& c : cases) {
        const auto cl = cl_pieces(c.cl_folder, c.cl_file);
        const auto post = post_command(c.pp_folder, c.pp_name, cl);
        const auto user = user_command(1, c.pp_folder, c.pp_name, cl);
        EXPECT_EQ(post.text(), c.post) << printed(c.cl_file);
        EXPECT_EQ(user.text(), c.user1) << printed(c.cl_file);
        // A post-processor program without blanks is handed over as written.
        EXPECT_EQ(program_line(post), c.post) << printed(c.cl_file);
        EXPECT_FALSE(post.batch);
        EXPECT_TRUE(user.batch);
    }
}

TEST(CommandLines, FileAndPostProcessorCommandLines) {
    const struct {
        CommandLine line;
        const wchar_t *text, *handed_over;
    } cases[] = {
        {edit_command(L"D:\\JOBS\\P100\\PART1.APT"),
         L"c:\\Program Files\\windows NT\\accessories\\wordpad.exe D:\\JOBS\\P100\\PART1.APT",
         L"\"c:\\Program Files\\windows NT\\accessories\\wordpad.exe\" "
         L"D:\\JOBS\\P100\\PART1.APT"},
        {users_guide_command(),
         L"c:\\Program Files\\Adobe\\Reader 8.0\\Reader\\AcroRD32 "
         L"c:\\trelvo\\doc\\Plexo_Users_Guide.pdf",
         L"\"c:\\Program Files\\Adobe\\Reader 8.0\\Reader\\AcroRD32\" "
         L"c:\\trelvo\\doc\\Plexo_Users_Guide.pdf"},
        {syntax_help_command(L"C:\\trelvo\\bin", L"MILL5X", L"gotO"),
         L"C:\\trelvo\\bin\\MILL5X ?GOTO", L"C:\\trelvo\\bin\\MILL5X ?GOTO"},
        {syntax_help_command(L"C:\\trelvo\\bin", L"MILL5X", L""), L"C:\\trelvo\\bin\\MILL5X ?",
         L"C:\\trelvo\\bin\\MILL5X ?"},
        {syntax_help_command(L"C:\\trelvo\\bin", L"", L"goto"), L"C:\\trelvo\\bin\\ ?GOTO",
         L"C:\\trelvo\\bin\\ ?GOTO"},
        {syntax_help_command(L"C:\\Post Processors", L"MILL5X", L"fedrat"),
         L"C:\\Post Processors\\MILL5X ?FEDRAT", L"\"C:\\Post Processors\\MILL5X\" ?FEDRAT"},
        {post_command(L"C:\\Post Processors", L"MILL5X", cl_pieces(L"D:\\J", L"P.APT")),
         L"C:\\Post Processors\\MILL5X D:\\J\\P.APT D \\J P APT",
         L"\"C:\\Post Processors\\MILL5X\" D:\\J\\P.APT D \\J P APT"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.line.text(), c.text);
        EXPECT_EQ(program_line(c.line), c.handed_over);
    }
}

TEST(CommandLines, InstallPassesTheNameExactlyAsTyped) {
    EXPECT_EQ(install_command(L"C:\\trelvo\\bin", L"mill5x").text(),
              L"instpp.bat C:\\trelvo\\bin mill5x");
    EXPECT_EQ(install_command(L"C:\\trelvo\\bin", L" mill 5x ").text(),
              L"instpp.bat C:\\trelvo\\bin  mill 5x ");
    EXPECT_TRUE(install_command(L"C:\\trelvo\\bin", L"x").batch);
}

TEST(CommandLines, BatchFilesRunUnderTheInterpreterWithTheirArgumentsAsTheyStand) {
    const auto user = user_command(2, L"C:\\trelvo\\bin", L"", cl_pieces(L"C:\\", L"README"));
    EXPECT_EQ(interpreter_line(user, L"C:\\Plexo\\user2.bat"),
              L"cmd.exe /d /v:off /s /c \"C:\\Plexo\\user2.bat C:\\trelvo\\bin  C:\\\\README C "
              L"\\  README\"");
    EXPECT_EQ(interpreter_line(install_command(L"C:\\trelvo\\bin", L"mill5x"),
                               L"C:\\Program Files\\Plexo\\instpp.bat"),
              L"cmd.exe /d /v:off /s /c \"\"C:\\Program Files\\Plexo\\instpp.bat\" "
              L"C:\\trelvo\\bin mill5x\"");
}

TEST(InterpreterHazard, NamesTheCharacterAndThePieceThatHoldsIt) {
    struct Case {
        CommandLine line;
        const wchar_t* expected; // nullptr: safe to start
    };
    const auto plain = cl_pieces(L"D:\\JOBS (old)\\P 100", L"PART!1.APT");
    const Case cases[] = {
        {user_command(1, L"C:\\trelvo\\bin", L"MILL5X", plain), nullptr},
        {install_command(L"C:\\trelvo\\bin", L"mill 5x"), nullptr},
        {user_command(1, L"C:\\trelvo\\bin", L"MILL5X", cl_pieces(L"D:\\R&D", L"PART1.APT")),
         L"user1.bat was not started: the CL path\nD:\\R&D\\PART1.APT\nholds the character &, "
         L"which the command interpreter would take as part of a command."},
        {user_command(3, L"C:\\a|b", L"MILL5X", plain),
         L"user3.bat was not started: the post-processor folder\nC:\\a|b\nholds the character "
         L"|, which the command interpreter would take as part of a command."},
        {install_command(L"C:\\trelvo\\bin", L"x>nul"),
         L"instpp.bat was not started: the post-processor name\nx>nul\nholds the character >, "
         L"which the command interpreter would take as part of a command."},
    };
    for (const auto& c : cases) {
        const auto hazard = interpreter_hazard(c.line);
        if (c.expected)
            EXPECT_EQ(hazard, std::optional<std::wstring>(c.expected));
        else
            EXPECT_EQ(hazard, std::nullopt) << printed(c.line.text());
    }
    // Each character of the interpreter's syntax, wherever it stands in a name.
    for (wchar_t c : interpreter_syntax) {
        const auto name = std::wstring(L"P") + c + L"1.APT";
        const auto hazard = interpreter_hazard(
            user_command(2, L"C:\\trelvo\\bin", L"MILL5X", cl_pieces(L"D:\\JOBS", name)));
        ASSERT_TRUE(hazard.has_value()) << printed(name);
        EXPECT_NE(hazard->find(L"the CL path\nD:\\JOBS\\" + name), std::wstring::npos);
        EXPECT_NE(hazard->find(std::wstring(L"character ") + c + L","), std::wstring::npos);
    }
    // Programs that are not batch files never see the interpreter.
    EXPECT_EQ(interpreter_hazard(edit_command(L"D:\\R&D\\P%1%.APT")), std::nullopt);
}

} // namespace
} // namespace workbench
