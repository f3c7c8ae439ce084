// The file-system jobs of the panes and of Plexo.cfg, on real files.

#include "tests/win/test_folder.h"
#include "win/folder_contents.h"
#include "win/system_upper.h"
#include "win/whole_file.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace workbench::win {
namespace {

using Names = std::vector<std::wstring>;
using workbench::testing::read_file;
using workbench::testing::TestFolder;
using workbench::testing::write_file;

TEST(ReadFolder, ListsVisibleFilesAndSubfoldersApart) {
    TestFolder folder;
    write_file(folder / L"PART1.APT", "x");
    write_file(folder / L"README", "");
    write_file(folder / L"hidden.APT", "", FILE_ATTRIBUTE_HIDDEN);
    write_file(folder / L"system.APT", "", FILE_ATTRIBUTE_SYSTEM);
    folder.folder(L"sub");
    auto contents = read_folder(folder.path());
    std::sort(contents.files.begin(), contents.files.end());
    EXPECT_EQ(contents.error, 0u);
    EXPECT_EQ(contents.files, (Names{L"PART1.APT", L"README"}));
    EXPECT_EQ(contents.subfolders, (Names{L"sub"}));
    for (const std::wstring& unreadable : {folder / L"gone", std::wstring(), folder / L"README"})
        EXPECT_NE(read_folder(unreadable).error, 0u);
}

TEST(ReplaceFileContent, WritesTheWholeFileOrLeavesTheOldOne) {
    TestFolder folder;
    const std::wstring config = folder / L"Plexo.cfg";
    // A file removed while the program ran is made anew; an existing one is replaced.
    EXPECT_EQ(replace_file_content(config, "new"), 0u);
    EXPECT_EQ(read_whole_file(config), "new");
    write_file(config, std::string(500, 'x'));
    EXPECT_EQ(replace_file_content(config, "newer"), 0u);
    EXPECT_EQ(read_file(config), "newer");

    // A read-only file refuses and keeps its content; no temporary file is left behind.
    write_file(config, "old content", FILE_ATTRIBUTE_READONLY);
    EXPECT_NE(replace_file_content(config, "x"), 0u);
    EXPECT_EQ(read_file(config), "old content");
    EXPECT_NE(replace_file_content(folder / L"gone\\Plexo.cfg", "x"), 0u);
    EXPECT_EQ(read_folder(folder.path()).files, (Names{L"Plexo.cfg"}));
    EXPECT_EQ(read_whole_file(folder / L"gone.cfg"), std::nullopt);
}

TEST(SystemUpper, UpperCasesLettersBeyondAscii) {
    EXPECT_EQ(system_upper(L'\u00e4'), L'\u00c4');
    EXPECT_EQ(system_upper(L'\u0436'), L'\u0416');
    EXPECT_EQ(system_upper(L'1'), L'1');
    EXPECT_EQ(system_upper(static_cast<wchar_t>(0xD800)), static_cast<wchar_t>(0xD800));
}

} // namespace
} // namespace workbench::win
