#include "numbers/field_values.h"

#include <gtest/gtest.h>

#include <limits>

namespace numbers {
namespace {

std::wstring message_of(auto&& action) {
    try {
        action();
    } catch (const FieldError& error) {
        return error.message();
    }
    return L"(no error)";
}

TEST(FieldValues, ReadsNumbersAndNamesTheFieldOfABadText) {
    EXPECT_EQ(read_field(L"X-Axis", L" 2,5 ", L','), 2.5);
    EXPECT_EQ(message_of([] { read_field(L"X-Axis", L" ", L'.'); }),
              L"The field \"X-Axis\" is empty. Please enter a number.");
    EXPECT_EQ(message_of([] { read_field(L"Y-Axis", L"12a", L'.'); }),
              L"The field \"Y-Axis\" does not hold a number: \"12a\".");
}

TEST(FieldValues, ResultTextsAreRoundedOrNameTheResultOutOfRange) {
    EXPECT_EQ(result_text(L"New X-Axis", -1.339746, 10000, L'.'), L"-1.3397");
    EXPECT_EQ(message_of([] { result_text(L"New X-Axis", 300000, 10000, L'.'); }),
              L"The result \"New X-Axis\" is 300000, too large to show: results must lie "
              L"between -214748.3648 and 214748.3647.");
    EXPECT_EQ(message_of([] { result_text(L"Feed", 1e7, 1000, L','); }),
              L"The result \"Feed\" is 10000000, too large to show: results must lie between "
              L"-2147483,648 and 2147483,647.");
    EXPECT_NE(message_of([] {
                  result_text(L"Time", std::numeric_limits<double>::infinity(), 10000, L'.');
              }).find(L"cannot be computed"),
              std::wstring::npos);
}

} // namespace
} // namespace numbers
