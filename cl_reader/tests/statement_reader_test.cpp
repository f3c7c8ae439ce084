#include "cl_reader/statement_reader.h"

#include <gtest/gtest.h>

#include <sstream>

namespace cl {
namespace {

// "UNITS/MM" ends with CR CR LF, as in files that went through two conversions.
TEST(StatementReader, JoinsContinuationsAndDropsCommentsAndControlCharacters) {
    std::istringstream text("$$ header comment\r\nPARTNO P1  $$ trailing comment\r\n\r\n"
                            "GOTO/1, 2, $ remark after the mark\n  3\nGOTO/4,$\n5,$\n6\n"
                            "UNITS/MM\r\r\nPPRINT\tA\rB\x01\nFINI");
    const std::pair<std::int64_t, const char*> expected[] = {
        {2, "PARTNO P1  "}, {4, "GOTO/1, 2,   3"}, {6, "GOTO/4,5,6"},
        {9, "UNITS/MM"},    {10, "PPRINT A B "},   {11, "FINI"}};
    StatementReader reader(text);
    Statement statement;
    for (const auto& [line, expected_text] : expected) {
        ASSERT_TRUE(reader.next(statement)) << expected_text;
        EXPECT_EQ(statement.line, line);
        EXPECT_EQ(statement.text, expected_text);
    }
    EXPECT_FALSE(reader.next(statement));
}

} // namespace
} // namespace cl
