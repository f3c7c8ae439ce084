#include "numbers/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace numbers {
namespace {

// Pasted from a spreadsheet or a document: no-break spaces and the minus sign U+2212.
TEST(NumberFromText, ReadsWholeNumbersOnly) {
    const std::pair<const wchar_t*, double> good[] = {
        {L"  12  ", 12},      {L"\t-1.3397", -1.3397}, {L"+5", 5},
        {L".5", 0.5},         {L"-4.5e+10", -4.5e10},  {L"\u00A012.5\u202F", 12.5},
        {L"\u22121.5", -1.5}, {L"1E\u22122", 0.01}};
    for (const auto& [text, value] : good)
        EXPECT_EQ(number_from_text(text, L'.'), value) << ::testing::PrintToString(text);
    for (const wchar_t* bad : {L"", L" \t ", L"12abc", L"1,5", L"1 000", L"inf", L"nan", L"1e",
                               L"--1", L"+-1", L"1.2.3", L"0x1A", L"1e999", L"."})
        EXPECT_FALSE(number_from_text(bad, L'.')) << ::testing::PrintToString(bad);
    EXPECT_EQ(number_from_text(L"-0,5E2", L','), -50);
    EXPECT_FALSE(number_from_text(L"2.192", L','));
}

TEST(GeneralFormat, ShortestTextOfAtMostFifteenDigitsReadBackExactly) {
    const std::pair<double, const wchar_t*> cases[] = {
        {2.192, L"2.192"},      {1.0, L"1"},         {-1.3397, L"-1.3397"},
        {-0.0, L"0"},           {0.0001, L"0.0001"}, {0.00005, L"5E-05"},
        {0.000012, L"1.2E-05"}, {1e15, L"1E+15"},    {123456789012345.0, L"123456789012345"}};
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(general_format(value, L'.'), text) << value;
        EXPECT_EQ(number_from_text(text, L'.'), value) << value;
    }
    EXPECT_EQ(general_format(0.1 + 0.2, L'.'), L"0.3");
    EXPECT_EQ(general_format(-2.5, L','), L"-2,5");
    EXPECT_EQ(number_from_text(general_format(-1.23456e-300, L','), L','), -1.23456e-300);
}

TEST(DisplayRound, HalvesToEvenWithinTheThirtyTwoBitRange) {
    const std::tuple<double, double, std::optional<double>> cases[] = {
        {0.03125, 10000, 0.0312},
        {0.09375, 10000, 0.0938},
        {0.00015, 10000, 0.0001}, // 1.4999999999999998 in binary
        {214748.3647, 10000, 214748.3647},
        {-214748.36485, 10000, -214748.3648}, // the half goes to the even -2147483648
        {214748.36475, 10000, std::nullopt},
        {-214748.3649, 10000, std::nullopt},
        {std::numeric_limits<double>::quiet_NaN(), 10000, std::nullopt},
    };
    for (const auto& [value, scale, rounded] : cases)
        EXPECT_EQ(display_round(value, scale), rounded) << value;
    EXPECT_FALSE(std::signbit(*display_round(-0.00004, 10000))) << "no negative zero";
}

} // namespace
} // namespace numbers
