#include "core/case_fold.h"
#include "core/file_type_filter.h"
#include "core/name_rules.h"
#include "core/wildcard.h"

#include <gtest/gtest.h>

namespace workbench {
namespace {

using Names = std::vector<std::wstring>;

Names shown(std::wstring_view pattern, const Names& names) {
    const WildcardPattern matcher(pattern);
    Names result;
    for (const auto& name : names)
        if (matcher.matches(name)) result.push_back(name);
    return result;
}

TEST(WildcardPattern, ShowsTheFilesOfEachFileType) {
    const Names folder = {L"PART1.APT", L"PART1.NC",     L"PART1.NC1", L"PART1.NC12", L"part1.apt2",
                          L"part.ncd",  L"MILL.PPTABLE", L"README",    L".APT",       L"A.B.APT",
                          L"PART1",     L"X.NCDX",       L"Plexo.cfg", L"a.nci",      L"NC"};
    const struct {
        const wchar_t* pattern;
        Names shown;
    } cases[] = {
        {L"*.*", folder},
        {L"*.NC?", {L"PART1.NC", L"PART1.NC1", L"part.ncd", L"a.nci"}},
        {L"*.APT*", {L"PART1.APT", L"part1.apt2", L".APT", L"A.B.APT"}},
        {L"*.NCD", {L"part.ncd"}},
        {L"*.pptable", {L"MILL.PPTABLE"}},
        {L"PART1.*",
         {L"PART1.APT", L"PART1.NC", L"PART1.NC1", L"PART1.NC12", L"part1.apt2", L"PART1"}},
        {L"A.B.*", {L"A.B.APT"}},
        {L".*", {L".APT"}},
        {L"PART1?.APT", {L"PART1.APT"}}, // "?" before the extension's dot may match nothing
        {L"NC??", {L"NC"}},
        {L"?", {}},
        {L"", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(shown(c.pattern, folder), c.shown)
            << testing::PrintToString(std::wstring(c.pattern));
}

TEST(WildcardPattern, StaysLinearOnPathologicalPatterns) {
    const std::wstring name(5000, L'a');
    EXPECT_FALSE(WildcardPattern(L"*a*a*a*a*a*a*a*a*a*a*a*b").matches(name));
    EXPECT_TRUE(WildcardPattern(L"*a*a*a*a*a*a*a*a*a*a*a*").matches(name));
}

TEST(WildcardPattern, IgnoresCaseByTheGivenUpperCasing) {
    const auto german_upper = [](wchar_t c) { return c == L'\u00e4' ? L'\u00c4' : ascii_upper(c); };
    EXPECT_FALSE(WildcardPattern(L"\u00c4.NC").matches(L"\u00e4.nc"));
    EXPECT_TRUE(WildcardPattern(L"\u00c4.NC", +german_upper).matches(L"\u00e4.nc"));
}

TEST(FileTypeFilter, GivesEachEntryItsPattern) {
    const struct {
        int position;
        const wchar_t* cl_file;
        std::optional<std::wstring> pattern;
    } cases[] = {
        {0, L"", L"*.*"},          {1, L"PART1.APT", L"PART1.*"},
        {1, L"A.B.APT", L"A.B.*"}, {1, L"README", L".*"},
        {1, L"", L".*"},           {2, L"X.APT", L"*.NC?"},
        {3, L"", L"*.APT*"},       {4, L"", L"*.NCD"},
        {5, L"", L"*.NCL"},        {6, L"", L"*.NCS"},
        {7, L"", L"*.pptable"},    {8, L"", L"*.CFG"},
        {9, L"", L"*.NCI"},        {-1, L"PART1.APT", std::nullopt},
        {10, L"", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(file_type_pattern(c.position, c.cl_file), c.pattern)
            << c.position << " " << testing::PrintToString(std::wstring(c.cl_file));
}

TEST(NameRules, CutTheClFileAtItsLastDotAndThePostProcessorAtItsFirst) {
    const struct {
        const wchar_t *name, *base, *pp_name;
    } cases[] = {
        {L"PART1.APT", L"PART1", L"PART1"},
        {L"A.B.APT", L"A.B", L"A"},
        {L"README", L"", L"README"},
        {L".APT", L"", L""},
        {L"", L"", L""},
        {L"MILL.PP.EXE", L"MILL.PP", L"MILL"},
        {L"FANUC", L"", L"FANUC"},
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
