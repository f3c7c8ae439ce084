#include "core/case_fold.h"
#include "core/file_type_filter.h"
#include "core/name_rules.h"
#include "core/wildcard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

namespace workbench {
namespace {

using Names = std::vector<std::wstring>;

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
    const std::wstring name(5000, L'a');
    EXPECT_FALSE(WildcardPattern(L"*a*a*a*a*a*a*a*a*a*a*a*b").matches(name));
    const auto german_upper = [](wchar_t c) { return c == L'\u00e4' ? L'\u00c4' : ascii_upper(c); };
    EXPECT_FALSE(WildcardPattern(L"\u00c4.NC").matches(L"\u00e4.nc"));
    EXPECT_TRUE(WildcardPattern(L"\u00c4.NC", +german_upper).matches(L"\u00e4.nc"));
}

// Which entry gives which pattern is the entries' table; what is made per choice is checked.
TEST(FileTypeFilter, CurrentFilesFollowTheClFileAndNoEntryKeepsThePattern) {
    EXPECT_EQ(file_type_pattern(current_files_position, L"README"), L".*");
    for (int outside : {-1, 10})
        EXPECT_EQ(file_type_pattern(outside, L"PART1.APT"), std::nullopt) << outside;
}

TEST(NameRules, CutTheClFileAtItsLastDotAndThePostProcessorAtItsFirst) {
    const struct {
        const wchar_t *name, *base, *pp_name;
    } cases[] = {
        {L"A.B.APT", L"A.B", L"A"}, {L"README", L"", L"README"},
        {L".APT", L"", L""},        {L"", L"", L""},
        {L"X.", L"X", L"X"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(std::pair(cl_file_base(c.name), pp_name_of(c.name)),
                  std::pair(std::wstring(c.base), std::wstring(c.pp_name)))
            << testing::PrintToString(std::wstring(c.name));
}

TEST(SortNames, IgnoresLetterCaseAndKeepsCaseTwinsInAFixedOrder) {
    Names names = {L"b.apt", L"A.APT", L"_x", L"a.apt", L"C", L"B.NC"};
    sort_names(names);
    EXPECT_EQ(names, (Names{L"A.APT", L"a.apt", L"b.apt", L"B.NC", L"C", L"_x"}));
}

} // namespace
} // namespace workbench
