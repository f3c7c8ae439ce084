#include "numbers/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace numbers {
namespace {

TEST(NumberFromText, AcceptsNumbersWithBlanksSignsAndExponents) {
    struct Case {
        const wchar_t* text;
        double value;
    };
    const Case cases[] = {
        {L"2.192", 2.192},   {L"  12  ", 12},  {L"\t-1.3397", -1.3397},
        {L"+5", 5},          {L".5", 0.5},     {L"7.", 7},
        {L"1E-05", 0.00001}, {L"1.2e3", 1200}, {L"-4.5E+10", -4.5e10},
        {L"0", 0},           {L"-0", 0},       {L"214748.3647", 214748.3647},
    };
    for (const auto& c : cases) {
        const auto value = number_from_text(c.text, L'.');
        ASSERT_TRUE(value.has_value()) << "text: " << testing::PrintToString(std::wstring(c.text));
        EXPECT_EQ(*value, c.value) << testing::PrintToString(std::wstring(c.text));
    }
}

TEST(NumberFromText, RejectsEverythingThatIsNotOneWholeNumber) {
    const wchar_t* bad[] = {L"",      L" ",     L"   \t", L"12abc", L"abc", L"1,5",
                            L"1,000", L"1 000", L"inf",   L"-INF",  L"nan", L"NaN",
                            L"1e",    L"e5",    L"--1",   L"+-1",   L"+",   L"-",
                            L"1.2.3", L"0x1A",  L"1e999", L"1.5 2", L"١",   L"."};
    for (const wchar_t* text : bad)
        EXPECT_FALSE(number_from_text(text, L'.').has_value())
            << testing::PrintToString(std::wstring(text));
}

TEST(NumberFromText, UsesTheGivenDecimalSeparator) {
    EXPECT_EQ(number_from_text(L"2,192", L','), 2.192);
    EXPECT_EQ(number_from_text(L"-0,5E2", L','), -50);
    EXPECT_FALSE(number_from_text(L"2.192", L',').has_value());
    EXPECT_FALSE(number_from_text(L"1.000,5", L',').has_value());
}

TEST(GeneralFormat, WritesTheShortestTextOfAtMostFifteenDigits) {
    struct Case {
        double value;
        const wchar_t* text;
    };
    const Case cases[] = {
        {2.192, L"2.192"},
        {1.0, L"1"},
        {0.5, L"0.5"},
        {-1.3397, L"-1.3397"},
        {0.0, L"0"},
        {-0.0, L"0"},
        {100000.0, L"100000"},
        {0.1 + 0.2, L"0.3"},
        {214748.3647, L"214748.3647"},
        {-214748.3648, L"-214748.3648"},
        {0.0001, L"0.0001"},
        {0.00005, L"5E-05"},
        {0.000012, L"1.2E-05"},
        {1e15, L"1E+15"},
        {123456789012345.0, L"123456789012345"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(general_format(c.value, L'.'), c.text) << c.value;
    EXPECT_EQ(general_format(-2.5, L','), L"-2,5");
}

TEST(GeneralFormat, ExponentTextsReadBackToTheSameNumber) {
    for (double value : {0.00005, 0.000012, -0.0000123456, 1e-300, 6.02214076e23, 1.5e15}) {
        for (wchar_t separator : {L'.', L','}) {
            const auto text = general_format(value, separator);
            EXPECT_EQ(number_from_text(text, separator), value) << testing::PrintToString(text);
        }
    }
}

TEST(DisplayRound, RoundsHalvesToEvenAndChecksTheIntegerRange) {
    struct Case {
        double value;
        double scale;
        std::optional<double> rounded;
    };
    const Case cases[] = {
        {0.03125, 10000, 0.0312},
        {0.09375, 10000, 0.0938},
        {0.0625, 1000, 0.062},
        {0.00025, 10000, 0.0002},
        {0.00015, 10000, 0.0001}, // 1.4999999999999998 in binary
        {0.00005, 10000, 0},
        {1.23445, 10000, 1.2344},
        {1.23455, 10000, 1.2346},
        {0.26726124191242440, 1000000, 0.267261},
        {214748.3647, 10000, 214748.3647},
        {-214748.3648, 10000, -214748.3648},
        {214748.36475, 10000, std::nullopt},
        {-214748.36485, 10000, -214748.3648}, // the half goes to the even -2147483648
        {-214748.3649, 10000, std::nullopt},
        {300000, 10000, std::nullopt},
        {std::numeric_limits<double>::infinity(), 10000, std::nullopt},
        {std::numeric_limits<double>::quiet_NaN(), 10000, std::nullopt},
        {1e300, 10000, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(display_round(c.value, c.scale), c.rounded) << c.value;
}

TEST(DisplayRound, SmallNegativesShowAsPlainZero) {
    const auto rounded = display_round(-0.00004, 10000);
    ASSERT_TRUE(rounded.has_value());
    EXPECT_FALSE(std::signbit(*rounded));
    EXPECT_EQ(general_format(*rounded, L'.'), L"0");
}

} // namespace
} // namespace numbers
