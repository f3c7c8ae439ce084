#include "commands/program_search.h"

#include <gtest/gtest.h>

namespace workbench {
namespace {

using Paths = std::vector<std::wstring>;

// Every folder is taken whole, ";" included, in the system's order; PATH is read as the
// command interpreter reads it.
TEST(ProgramSearch, LooksInEachFolderWholeInTheSystemsOrder) {
    const SearchFolders folders{L"C:\\Tools\\1;x", L"D:\\JOBS", L"C:\\windows\\system32",
                                L"C:\\windows", L"C:\\bin;;\"E:\\odd;dir\";F:\\"};
    EXPECT_EQ(program_candidates(L"user1.bat", folders),
              (Paths{L"C:\\Tools\\1;x\\user1.bat", L"D:\\JOBS\\user1.bat",
                     L"C:\\windows\\system32\\user1.bat", L"C:\\windows\\System\\user1.bat",
                     L"C:\\windows\\user1.bat", L"C:\\bin\\user1.bat", L"E:\\odd;dir\\user1.bat",
                     L"F:\\user1.bat"}));
    // No program folder known, the current folder left out by the system, no PATH.
    EXPECT_EQ(program_candidates(L"instpp.bat", {L"", std::nullopt, L"C:\\w\\s", L"C:\\w", L""}),
              (Paths{L"C:\\w\\s\\instpp.bat", L"C:\\w\\System\\instpp.bat", L"C:\\w\\instpp.bat"}));
}

TEST(ProgramSearch, ReadsAPathListAsTheCommandInterpreterDoes) {
    const struct {
        const wchar_t* list;
        Paths folders;
    } cases[] = {
        {L"", {}},
        {L";;", {}},
        {L"C:\\a;C:\\b;", {L"C:\\a", L"C:\\b"}},
        {L"\"C:\\a;b\";C:\\c", {L"C:\\a;b", L"C:\\c"}},
        {L"C:\\Program Files\\x;\"\"", {L"C:\\Program Files\\x"}},
        {L"C:\\a\"b;c\"d;e", {L"C:\\ab;cd", L"e"}}, // quotes within an entry
    };
    for (const auto& c : cases)
        EXPECT_EQ(path_list_folders(c.list), c.folders) << ::testing::PrintToString(c.list);
}

} // namespace
} // namespace workbench
