#include "invocation.h"

#include <gtest/gtest.h>

#include <tuple>

namespace mill5x {
namespace {

TEST(Invocation, FindsTheClPathInTheWorkbenchsCommandLine) {
    using Kind = Invocation::Kind;
    const struct {
        const wchar_t* command_line;
        Kind kind;
        const wchar_t* cl_path;
        const wchar_t* base_name;
        const wchar_t* word = L"";
    } cases[] = {
        {L"C:\\trelvo\\bin\\MILL5X D:\\JOBS\\P100\\PART1.APT D \\JOBS\\P100 PART1 APT",
         Kind::post_process, L"D:\\JOBS\\P100\\PART1.APT", L"PART1"},
        // Blanks in folders reach the program split; the pieces still fit only one way.
        {L"C:\\my posts\\MILL5X D:\\my jobs\\P 1\\PART1.APT D \\my jobs\\P 1 PART1 APT",
         Kind::post_process, L"D:\\my jobs\\P 1\\PART1.APT", L"PART1"},
        {L"C:\\trelvo\\bin\\MILL5X D:\\JOBS\\README D \\JOBS  README", Kind::post_process,
         L"D:\\JOBS\\README", L""},
        {L"MILL5X.exe \"D:\\my jobs\\PART1.APT\"", Kind::post_process, L"D:\\my jobs\\PART1.APT",
         L"PART1"},
        {L"\"C:\\trelvo\\bin\\MILL5X.exe\" PART2.APT", Kind::post_process, L"PART2.APT", L"PART2"},
        {L"C:\\my posts\\MILL5X ?GODLTA", Kind::help, L"", L"", L"GODLTA"},
        {L"C:\\trelvo\\bin\\MILL5X ?", Kind::help, L"", L""},
        {L"C:\\trelvo\\bin\\MILL5X", Kind::usage, L"", L""},
        {L"\"C:\\trelvo\\bin\\MILL5X\"   ", Kind::usage, L"", L""},
    };
    for (const auto& c : cases) {
        const Invocation i = parse_invocation(c.command_line);
        EXPECT_EQ(std::tie(i.kind, i.cl_path, i.base_name, i.word),
                  std::tuple(c.kind, c.cl_path, c.base_name, c.word))
            << ascii(c.command_line);
    }

    // A long line with many drive-like pieces (it took seconds when every end was tried).
    const std::wstring deep = L"\\" + std::wstring(4000, L'a') + L" b: c:";
    EXPECT_EQ(parse_invocation(L"MILL5X D:" + deep + L"\\P.APT D " + deep + L" P APT").cl_path,
              L"D:" + deep + L"\\P.APT");
}

} // namespace
} // namespace mill5x
