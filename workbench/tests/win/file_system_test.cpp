#include "win/file_system.h"

#include "core/config_file.h"
#include "tests/win/test_folder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace workbench::win {
namespace {

using testing_folder = workbench::testing::TestFolder;
using workbench::testing::read_file;
using workbench::testing::write_file;

TEST(ReadFolder, ListsVisibleFilesAndSubfoldersApart) {
    testing_folder folder;
    write_file(folder / L"PART1.APT", "x");
    write_file(folder / L"README", "");
    write_file(folder / L"hidden.APT", "", FILE_ATTRIBUTE_HIDDEN);
    write_file(folder / L"system.APT", "", FILE_ATTRIBUTE_SYSTEM);
    folder.folder(L"sub");
    auto contents = read_folder(folder.path());
    std::sort(contents.files.begin(), contents.files.end());
    EXPECT_EQ(contents.error, 0u);
    EXPECT_EQ(contents.files, (std::vector<std::wstring>{L"PART1.APT", L"README"}));
    EXPECT_EQ(contents.subfolders, (std::vector<std::wstring>{L"sub"}));

    EXPECT_NE(read_folder(folder / L"gone").error, 0u);
    EXPECT_NE(read_folder(L"").error, 0u);
    EXPECT_NE(read_folder(folder / L"README").error, 0u);
}

TEST(ReplaceFileContent, WritesTheWholeFileOrLeavesTheOldOne) {
    testing_folder folder;
    const std::wstring config = folder / L"Plexo.cfg";
    const SavedSettings settings{L"C:\\", L"C:\\trelvo\\bin", {L"User 1", L"User 2", L"User 3"}};
    const std::string written =
        "\"VAR\",\"C:\\\"\r\n\"C:\\trelvo\\bin\"\r\n\"User 1\"\r\n\"User 2\"\r\n\"User 3\"\r\n";

    // A file removed while the program ran is made anew.
    EXPECT_EQ(replace_file_content(config, config_file_bytes(settings)), 0u);
    EXPECT_EQ(read_file(config), written);
    // An existing one is replaced, not appended to.
    write_file(config, std::string(500, 'x'));
    EXPECT_EQ(replace_file_content(config, config_file_bytes(settings)), 0u);
    EXPECT_EQ(read_file(config), written);

    // A read-only file refuses and keeps its content; no temporary file is left behind.
    write_file(config, "old content", FILE_ATTRIBUTE_READONLY);
    EXPECT_NE(replace_file_content(config, config_file_bytes(settings)), 0u);
    EXPECT_EQ(read_file(config), "old content");
    // A folder that is gone cannot hold the file.
    EXPECT_NE(replace_file_content(folder / L"gone\\Plexo.cfg", "x"), 0u);
    const auto left = read_folder(folder.path());
    EXPECT_EQ(left.files, (std::vector<std::wstring>{L"Plexo.cfg"}));
}

TEST(SystemUpper, UpperCasesLettersBeyondAscii) {
    EXPECT_EQ(system_upper(L'a'), L'A');
    EXPECT_EQ(system_upper(L'\u00e4'), L'\u00c4');
    EXPECT_EQ(system_upper(L'\u0436'), L'\u0416');
    EXPECT_EQ(system_upper(L'1'), L'1');
    EXPECT_EQ(system_upper(static_cast<wchar_t>(0xD800)), static_cast<wchar_t>(0xD800));
}

} // namespace
} // namespace workbench::win
