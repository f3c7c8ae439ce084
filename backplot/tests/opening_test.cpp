// What the window decides around opening a file: the path on its command line, where the
// machine's settings are looked for, and when a file that changed on disk is read again.

#include "app/command_line.h"
#include "app/file_change.h"
#include "app/paths.h"
#include "app/settings_search.h"

#include <gtest/gtest.h>

namespace backplot {
namespace {

TEST(Opening, PathFromTheCommandLine) {
    const struct {
        const wchar_t *arguments, *path;
    } cases[] = {
        {L"\"C:\\JOBS\\A B\\PART.NC1\"", L"C:\\JOBS\\A B\\PART.NC1"}, // as the workbench starts it
        {L"C:\\JOBS\\A B\\PART.NC1", L"C:\\JOBS\\A B\\PART.NC1"}, // unquoted: whole, blanks and all
        {L"  C:\\PART.NC1 \t", L"C:\\PART.NC1"},
        {L" \"C:\\X.NC\" -rest", L"C:\\X.NC"}, // nothing after the quotes counts
        {L"\"C:\\never closed.NC", L"C:\\never closed.NC"},
        {L"", L""},
        {L"   ", L""},
        {L"\"\"", L""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(path_argument(c.arguments), c.path) << c.arguments;
}

TEST(Opening, PiecesOfAPath) {
    EXPECT_EQ(folder_of(L"C:\\JOBS\\DEMO\\BLADE5X.NC1"), L"C:\\JOBS\\DEMO");
    EXPECT_EQ(folder_of(L"C:\\A.NC"), L"C:\\");
    EXPECT_EQ(folder_of(L"\\\\server\\share\\A.NC"), L"\\\\server\\share");
    EXPECT_EQ(folder_of(L"A.NC"), L"");
    EXPECT_EQ(file_name_of(L"C:\\JOBS\\DEMO\\BLADE5X.NC1"), L"BLADE5X.NC1");
    EXPECT_EQ(extension_of(L"C:\\JOBS.V2\\PART.V2.NC1"), L"NC1");
    EXPECT_EQ(extension_of(L"C:\\JOBS.V2\\PART"), L"");
}

TEST(Opening, PostProcessorsFolderOfPlexoCfg) {
    EXPECT_EQ(pp_folder_of_config(L"\"VAR\",\"C:\\JOBS\\DEMO\"\r\n\"D:\\posts\"\r\n\"User 1\"\r\n"),
              L"D:\\posts");
    // Its own reader's rules: a value that runs on over a line end stays one value.
    EXPECT_EQ(pp_folder_of_config(L"\"\",\"C:\\\"\r\n  C:\\trelvo\\bin  \r\n"), L"C:\\trelvo\\bin");
    EXPECT_EQ(pp_folder_of_config(L"\"VAR\",\"C:\\JOBS\"\r\n"), std::nullopt);
    EXPECT_EQ(pp_folder_of_config(L"\"VAR\",\"C:\\JOBS\"\r\n\"\"\r\n"), std::nullopt);
    EXPECT_EQ(pp_folder_of_config(L""), std::nullopt);
}

TEST(Opening, WhereTheSettingsFileIsLookedFor) {
    const std::wstring program = L"D:\\JOBS\\P100\\PART.NC1";
    using Paths = std::vector<std::wstring>;
    // Beside the workbench: its post-processors' folder first.
    EXPECT_EQ(settings_candidates(L"MILL5X.PPTABLE", {program, L"C:\\trelvo\\bin"}),
              (Paths{L"C:\\trelvo\\bin\\MILL5X.PPTABLE", L"D:\\JOBS\\P100\\MILL5X.PPTABLE",
                     L"D:\\trelvo\\bin\\MILL5X.PPTABLE"}));
    // Elsewhere: the program's folder, then \trelvo\bin on its drive; each folder once.
    EXPECT_EQ(settings_candidates(L"M.PPTABLE", {L"D:\\trelvo\\bin\\P.NC", L"d:\\TRELVO\\BIN\\"}),
              (Paths{L"d:\\TRELVO\\BIN\\M.PPTABLE"}));
    EXPECT_EQ(settings_candidates(L"M.PPTABLE", {L"C:\\P.NC"}),
              (Paths{L"C:\\M.PPTABLE", L"C:\\trelvo\\bin\\M.PPTABLE"}));
    EXPECT_EQ(settings_candidates(L"M.PPTABLE", {L"\\\\cam\\jobs\\P.NC"}),
              (Paths{L"\\\\cam\\jobs\\M.PPTABLE", L"\\\\cam\\jobs\\trelvo\\bin\\M.PPTABLE"}));
    // A note never leads elsewhere: only its name counts.
    EXPECT_EQ(settings_candidates(L"..\\..\\secret\\M.PPTABLE", {L"C:\\P.NC"})[0],
              L"C:\\M.PPTABLE");
    EXPECT_EQ(settings_candidates(L"C:M.PPTABLE", {L"C:\\P.NC"})[0], L"C:\\M.PPTABLE");
    EXPECT_TRUE(settings_candidates(L"", {program}).empty());
    EXPECT_TRUE(settings_candidates(L"DIR\\", {program}).empty());
    EXPECT_EQ(settings_not_found_note(L"M.PPTABLE", {L"C:\\A\\M.PPTABLE", L"D:\\B\\M.PPTABLE",
                                                     L"D:\\trelvo\\bin\\M.PPTABLE"}),
              L"No settings file M.PPTABLE in C:\\A, D:\\B or D:\\trelvo\\bin: choose it with "
              L"File, Machine Settings.");
}

TEST(Opening, ReadAgainOnceAChangeHasSettled) {
    const FileStamp read{true, 100, 7}, growing{true, 150, 8}, grown{true, 200, 9};
    FileChange change;
    change.read(read);
    const struct {
        FileStamp seen;
        bool read_again;
    } looks[] = {
        {read, false},                   // as it was read
        {growing, false},                // being written
        {grown, false},                  // still
        {grown, true},                   // the same for a look: read it
        {{}, false},                     // gone (replaced): waited for
        {{}, false},      {read, false}, // back as it was read: nothing to do
        {read, false},
    };
    for (const auto& look : looks)
        EXPECT_EQ(change.look(look.seen), look.read_again) << look.seen.size;
    change.read(grown);
    EXPECT_FALSE(change.look(grown));
}

} // namespace
} // namespace backplot
