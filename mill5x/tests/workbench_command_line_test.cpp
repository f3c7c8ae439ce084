// MILL5X reads back the CL path and base name from the very line the workbench builds, with
// nothing quoted: blanks in folders and names, drive roots, names without or with several
// periods.

#include "commands/command_lines.h"
#include "invocation.h"

#include <gtest/gtest.h>

#include <tuple>

namespace mill5x {
namespace {

TEST(WorkbenchCommandLine, MILL5XFindsTheClPathTheWorkbenchHandsOver) {
    const struct {
        const wchar_t *pp_folder, *cl_folder, *cl_file;
    } cases[] = {
        {L"C:\\trelvo\\bin", L"D:\\JOBS\\P100", L"PART1.APT"},
        // A root as the file pane keeps it, with its backslash.
        {L"C:\\trelvo\\bin", L"D:\\", L"PART1.APT"},
        {L"C:\\trelvo\\bin", L"D:\\", L"PART 1.APT"},
        {L"C:\\trelvo\\bin", L"D:\\", L"README"},
        {L"C:\\trelvo\\bin", L"D:\\my jobs\\P 1", L"PART1.APT"},
        {L"C:\\trelvo\\bin", L"D:\\my  jobs", L"PART1.APT"},
        {L"C:\\trelvo\\bin", L"D:\\JOBS\\P100", L"README"},
        {L"C:\\trelvo\\bin", L"D:\\JOBS\\P100", L"PART.V2.OLD.APT"},
        {L"C:\\my posts\\5 axis", L"D:\\JOBS\\P100", L"PART1.APT"},
        {L"C:\\", L"D:\\my jobs", L"PART.V2.APT"},
    };
    for (const auto& c : cases) {
        const workbench::ClPieces cl = workbench::cl_pieces(c.cl_folder, c.cl_file);
        const std::wstring line = workbench::post_command(c.pp_folder, L"MILL5X", cl).text();
        const Invocation i = parse_invocation(line);
        EXPECT_EQ(std::tie(i.kind, i.cl_path, i.base_name),
                  std::tuple(Invocation::Kind::post_process, cl.cl_path, cl.base_name))
            << ascii(line);
    }
}

} // namespace
} // namespace mill5x
