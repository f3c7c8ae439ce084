#include "cl_error.h"
#include "cl_source.h"
#include "nc_program.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace mill5x {
namespace {

std::vector<ClStatement> statements_of(const std::string& text) {
    std::istringstream stream(text);
    ClReader reader(stream);
    std::vector<ClStatement> statements;
    for (ClStatement statement; reader.next(statement);)
        statements.push_back(statement);
    return statements;
}

TEST(ClReader, JoinsContinuationsAndDropsCommentsAndControlCharacters) {
    const auto statements = statements_of("$$ header comment\r\n"
                                          "PARTNO P1  $$ trailing comment\r\n"
                                          "\r\n"
                                          "GOTO/1, 2, $ remark after the mark\n"
                                          "  3\n"
                                          "GOTO/4,$\n"
                                          "5,$\n"
                                          "6\n"
                                          "UNITS/MM\r\r\n" // CR CR LF
                                          "PPRINT\tA\rB\x01\n"
                                          "FINI");
    ASSERT_EQ(statements.size(), 6u);
    EXPECT_EQ(statements[0].line, 2);
    EXPECT_EQ(statements[0].text, "PARTNO P1  ");
    EXPECT_EQ(statements[1].line, 4);
    EXPECT_EQ(statements[1].text, "GOTO/1, 2,   3");
    EXPECT_EQ(statements[2].line, 6);
    EXPECT_EQ(statements[2].text, "GOTO/4,5,6");
    EXPECT_EQ(statements[3].text, "UNITS/MM");
    EXPECT_EQ(statements[4].text, "PPRINT A B ");
    EXPECT_EQ(statements[5].line, 11);
}

TEST(ClReader, RefusesARecordThatWouldTakeAllMemory) {
    std::istringstream stream("FROM/0,0,0\n" + std::string(ClReader::max_statement_length, 'A') +
                              "$\nB\n");
    ClReader reader(stream);
    ClStatement statement;
    ASSERT_TRUE(reader.next(statement));
    try {
        reader.next(statement);
        ADD_FAILURE() << "accepted";
    } catch (const ClError& error) {
        EXPECT_EQ(error.line(), 2);
    }
}

// A step of 1000 passes 2^31 after 2,147,484 blocks: the numbers must go on counting up.
TEST(NcProgram, BlockNumbersGoBeyondThirtyTwoBits) {
    NcProgram program(1000);
    const std::vector<std::string> no_words;
    for (int block = 0; block < 2147484; ++block) {
        program.block(no_words);
        program.clear_new_lines();
    }
    program.block({"M30"});
    EXPECT_EQ(program.new_lines(), "N2147485000 M30\r\n");
}

} // namespace
} // namespace mill5x
