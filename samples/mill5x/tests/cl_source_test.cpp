#include "cl_source.h"

#include <gtest/gtest.h>

namespace mill5x {
namespace {

TEST(ClSource, JoinsContinuationsAndDropsComments) {
    const ClSource source = read_cl_source("$$ header comment\r\n"
                                           "PARTNO P1  $$ trailing comment\r\n"
                                           "\r\n"
                                           "GOTO/1, 2, $ remark after the mark\n"
                                           "  3\n"
                                           "GOTO/4,$\n"
                                           "5,$\n"
                                           "6\n"
                                           "FINI");
    ASSERT_EQ(source.statements.size(), 4u);
    EXPECT_EQ(source.statements[0].line, 2);
    EXPECT_EQ(source.statements[0].text, "PARTNO P1  ");
    EXPECT_EQ(source.statements[1].line, 4);
    EXPECT_EQ(source.statements[1].text, "GOTO/1, 2,   3");
    EXPECT_EQ(source.statements[2].line, 6);
    EXPECT_EQ(source.statements[2].text, "GOTO/4,5,6");
    EXPECT_EQ(source.statements[3].line, 9);
    EXPECT_EQ(source.line_count, 9);
    EXPECT_FALSE(source.unfinished_continuation_line);
}

} // namespace
} // namespace mill5x
