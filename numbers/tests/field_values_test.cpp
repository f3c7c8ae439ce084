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
    const std::pair<const wchar_t*, std::wstring> unread[] = {
        {L" \u00A0", L"is empty. Please enter a number."},
        {L"1\t2\u00A0\x01", L"does not hold a number: \"1[tab]2[no-break space][U+0001]\"."},
        {L"-123456789e400", L"holds a number too large to compute with: \"-123456789e400\"."},
        {L"0.0001e-330", L"holds a number too small to compute with: \"0.0001e-330\". Please "
                         L"enter 0 or a number of a larger size."},
        {L"0123456789012345678901234567890123456789x",
         L"does not hold a number: \"0123456789012345678901234567890123456789\u2026\" (41 "
         L"characters)."},
    };
    for (const auto& [typed, says] : unread)
        EXPECT_EQ(message_of([&] { read_field(L"Y-Axis", typed, L'.'); }),
                  L"The field \"Y-Axis\" " + says);
    EXPECT_EQ(message_of([] { result_text(L"Feed", 1e7, 1000, L','); }),
              L"The result \"Feed\" is 10000000, too large to show: results must lie between "
              L"-2147483,648 and 2147483,647.");
    EXPECT_EQ(message_of([] { result_text(L"Time", 1e308 * 10, 10000, L'.'); }),
              L"The result \"Time\" cannot be computed: the numbers entered are too large, or "
              L"lead to a division by zero.");
}

} // namespace
} // namespace numbers
