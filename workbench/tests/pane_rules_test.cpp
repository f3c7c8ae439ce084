#include "core/case_fold.h"
#include "core/file_type_filter.h"
#include "core/folder_path.h"
#include "core/list_place.h"
#include "core/name_rules.h"
#include "core/wildcard.h"
#include "win/bounded_call.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <future>
#include <iterator>

namespace workbench {
namespace {

using Names = std::vector<std::wstring>;
using namespace std::chrono_literals;

TEST(WildcardPattern, MatchesAsTheFileListsDo) {
    const Names folder = {L"PART1.APT", L"PART1.NC1", L"PART1.NC12", L"part1.apt2", L"part.ncd",
                          L"README",    L".APT",      L"A.B.APT",    L"PART1",      L"NC"};
    const struct {
        const wchar_t* pattern;
        Names shown;
    } cases[] = {
        {L"*.*", folder},
        {L"*.NC?", {L"PART1.NC1", L"part.ncd"}},
        {L"*.APT*", {L"PART1.APT", L"part1.apt2", L".APT", L"A.B.APT"}},
        {L"PART1.*", {L"PART1.APT", L"PART1.NC1", L"PART1.NC12", L"part1.apt2", L"PART1"}},
        {L".*", {L".APT"}},
        {L"PART1?.APT", {L"PART1.APT"}}, // "?" before the extension's dot may match nothing
        {L"NC??", {L"NC"}},
        {L"", {}},
    };
    for (const auto& c : cases) {
        const WildcardPattern matcher(c.pattern);
        Names shown;
        std::copy_if(folder.begin(), folder.end(), std::back_inserter(shown),
                     [&](const std::wstring& name) { return matcher.matches(name); });
        EXPECT_EQ(shown, c.shown) << testing::PrintToString(std::wstring(c.pattern));
    }
    // Linear on pathological patterns; letter case by the given upper-casing.
    EXPECT_FALSE(WildcardPattern(L"*a*a*a*a*a*a*a*a*a*a*a*b").matches(std::wstring(5000, L'a')));
    const auto german_upper = [](wchar_t c) { return c == L'\u00e4' ? L'\u00c4' : ascii_upper(c); };
    EXPECT_TRUE(WildcardPattern(L"\u00c4.NC", +german_upper).matches(L"\u00e4.nc"));
}

// Which entry gives which pattern is the entries' table, and Current files shows in the window
// test; no entry chosen keeps the pattern.
TEST(FileTypeFilter, NoEntryKeepsThePattern) {
    for (int outside : {-1, 10})
        EXPECT_EQ(file_type_pattern(outside, L"PART1.APT"), std::nullopt) << outside;
}

TEST(NameRules, CutTheClFileAtItsLastDotAndThePostProcessorAtItsFirst) {
    // Several periods, none and an empty name show in the command lines' test.
    const struct {
        const wchar_t *name, *base, *pp_name;
    } cases[] = {{L"A.B.APT", L"A.B", L"A"}, {L".APT", L"", L""}, {L"X.", L"X", L"X"}};
    for (const auto& c : cases)
        EXPECT_EQ(std::pair(cl_file_base(c.name), pp_name_of(c.name)),
                  std::pair(std::wstring(c.base), std::wstring(c.pp_name)))
            << testing::PrintToString(std::wstring(c.name));
}

// Read again, a list keeps the highlighted item and the item at its top where they still are,
// however many items came or went before them.
TEST(ListPlace, KeepsTheHighlightedAndTheTopItemWhereTheyStillAre) {
    const Names before = {L"a", L"c", L"e", L"g", L"i"};
    const struct {
        ListPlace place;
        Names after;
        ListPlace kept;
    } cases[] = {
        {{2, 1}, {L"a", L"b", L"c", L"d", L"e", L"g", L"i"}, {4, 2}},
        {{0, 3}, {L"c", L"e", L"g", L"i"}, {std::nullopt, 2}},      // the highlighted one went
        {{std::nullopt, 1}, {L"a", L"e", L"g"}, {std::nullopt, 1}}, // the top one went: the next
        {{4, 3}, {L"a", L"c"}, {std::nullopt, 2}}, // all from the top on went: the end
        {{1, 0}, {}, {std::nullopt, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(kept_place(before, c.place, c.after), c.kept)
            << ::testing::PrintToString(c.after);
}

TEST(FolderLevels, SplitAPathIntoItsRootAndFoldersAndJoinThemBack) {
    const struct {
        const wchar_t* path;
        Names levels;
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
    const Names levels = {L"C:\\", L"trelvo", L"bin"};
    EXPECT_EQ(folder_of_item(levels, 0, L"C:\\"), L"C:\\");
    EXPECT_EQ(folder_of_item(levels, 1, L"trelvo"), L"C:\\trelvo");
    EXPECT_EQ(folder_of_item(levels, 3, L"old"), L"C:\\trelvo\\bin\\old");
}

TEST(DriveItems, ShowLowerCaseLetterAndLabelAndGiveTheLetterBack) {
    EXPECT_EQ(drive_item_text(L'C', L"SYSTEM"), L"c: [SYSTEM]");
    EXPECT_EQ(drive_letter_of(L"D:\\nc"), L'D');
    EXPECT_EQ(drive_letter_of(L"\\\\server\\share"), std::nullopt);
    EXPECT_EQ(drive_letter_of(L"1:"), std::nullopt);
    EXPECT_EQ(share_item_text(L"\\\\server\\share\\nc"), L"\\\\server\\share");
    EXPECT_EQ(share_item_text(L"D:\\nc"), std::nullopt);
}

// A drive that does not answer keeps no window waiting.
TEST(AnswerWithin, GivesTheAnswerInTimeAndNothingForAQuestionThatHangs) {
    EXPECT_EQ(win::answer_within(10s, [] { return 7; }), 7);
    std::promise<void> network;
    const auto hangs = [answers = network.get_future().share()] { return answers.wait(), 7; };
    EXPECT_EQ(win::answer_within(20ms, hangs), std::nullopt);
    network.set_value(); // the question left behind ends by itself
}

} // namespace
} // namespace workbench
