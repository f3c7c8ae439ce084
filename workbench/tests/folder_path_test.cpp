#include "core/folder_path.h"

#include <gtest/gtest.h>

namespace workbench {
namespace {

using Levels = std::vector<std::wstring>;

TEST(FolderLevels, SplitAPathIntoItsRootAndFoldersAndJoinThemBack) {
    const struct {
        const wchar_t* path;
        Levels levels;
        const wchar_t* joined;
    } cases[] = {
        {L"C:", {L"C:\\"}, L"C:\\"},
        {L"C:\\trelvo\\bin\\", {L"C:\\", L"trelvo", L"bin"}, L"C:\\trelvo\\bin"},
        {L"\\\\server\\share\\nc", {L"\\\\server\\share\\", L"nc"}, L"\\\\server\\share\\nc"},
        {L"\\\\server\\share", {L"\\\\server\\share\\"}, L"\\\\server\\share\\"},
        {L"D:\\JOBS\\P100\\\\", {L"D:\\", L"JOBS", L"P100"}, L"D:\\JOBS\\P100"},
    };
    for (const auto& c : cases) {
        const auto levels = folder_levels(c.path);
        EXPECT_EQ(levels, c.levels) << testing::PrintToString(std::wstring(c.path));
        EXPECT_EQ(normalized_folder(c.path), c.joined);
    }
    const Levels levels = {L"C:\\", L"trelvo", L"bin"};
    EXPECT_EQ(folder_of_item(levels, 0, L"C:\\"), L"C:\\");
    EXPECT_EQ(folder_of_item(levels, 1, L"trelvo"), L"C:\\trelvo");
    EXPECT_EQ(folder_of_item(levels, 3, L"old"), L"C:\\trelvo\\bin\\old");
}

TEST(DriveItems, ShowLowerCaseLetterAndLabelAndGiveTheLetterBack) {
    EXPECT_EQ(drive_item_text(L'C', L"SYSTEM"), L"c: [SYSTEM]");
    EXPECT_EQ(drive_item_text(L'Z', L""), L"z:");
    EXPECT_EQ(drive_letter_of(L"c: [SYSTEM]"), L'C');
    EXPECT_EQ(drive_letter_of(L"D:\\nc"), L'D');
    EXPECT_EQ(drive_letter_of(L"\\\\server\\share"), std::nullopt);
    EXPECT_EQ(drive_letter_of(L"1:"), std::nullopt);
    EXPECT_EQ(share_item_text(L"\\\\server\\share\\nc"), L"\\\\server\\share");
    EXPECT_EQ(share_item_text(L"D:\\nc"), std::nullopt);
}

} // namespace
} // namespace workbench
