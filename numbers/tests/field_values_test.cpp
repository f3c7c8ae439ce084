#include "numbers/field_values.h"

#include <gtest/gtest.h>

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

TEST(FieldValues, MessagesNameTheFieldOrTheResult) {
    EXPECT_EQ(message_of([] { read_field(L"X-Axis", L" ", L'.'); }),
              L"The field \"X-Axis\" is empty. Please enter a number.");
    EXPECT_EQ(message_of([] { read_field(L"Y-Axis", L"12a", L'.'); }),
              L"The field \"Y-Axis\" does not hold a number: \"12a\".");
    EXPECT_EQ(message_of([] { result_text(L"Feed", 1e7, 1000, L','); }),
              L"The result \"Feed\" is 10000000, too large to show: results must lie between "
              L"-2147483,648 and 2147483,647.");
    EXPECT_EQ(message_of([] { result_text(L"Time", 1e308 * 10, 10000, L'.'); }),
              L"The result \"Time\" cannot be computed: the numbers entered are too large, or "
              L"lead to a division by zero.");
}

} // namespace
} // namespace numbers
