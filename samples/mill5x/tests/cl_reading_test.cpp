#include "cl_error.h"
#include "cl_record.h"
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

TEST(ClSource, ReportsATextEndingInsideAContinuedRecord) {
    const ClSource source = read_cl_source("GOTO/1,2,3\nGOTO/4,$\n5,$\n");
    ASSERT_EQ(source.statements.size(), 1u);
    EXPECT_EQ(source.unfinished_continuation_line, 2);
}

TEST(ClRecord, ReadsNumbersWordsAndPartText) {
    const ClRecord go = parse_cl_record(" goto / 1.5, -2, +3e1, .25 , clw ");
    EXPECT_EQ(go.major, "GOTO");
    ASSERT_EQ(go.values.size(), 5u);
    EXPECT_EQ(number_at(go, 0), 1.5);
    EXPECT_EQ(number_at(go, 1), -2);
    EXPECT_EQ(number_at(go, 2), 30);
    EXPECT_EQ(number_at(go, 3), 0.25);
    EXPECT_TRUE(is_word(go.values[4], "CLW"));
    EXPECT_THROW(number_at(go, 4), ClError);
    EXPECT_THROW(number_at(go, 5), ClError);

    const ClRecord part = parse_cl_record("PARTNO  Bracket, side 2 (rev B)");
    EXPECT_EQ(part.text, "Bracket, side 2 (rev B)");
    EXPECT_TRUE(parse_cl_record("FINI").values.empty());
}

TEST(ClRecord, RejectsMalformedInputWithTheMajorWord) {
    const struct {
        const char* statement;
        const char* message;
    } cases[] = {
        {"GOTO/1,2.3.4,5", "GOTO: malformed number '2.3.4'"},
        {"GOTO/1,,3", "GOTO: a value is missing between commas"},
        {"GOTO/1,2,", "GOTO: a value is missing between commas"},
        {"GOTO/1,2x,3", "GOTO: malformed number '2x'"},
        {"GOTO/1,+-2,3", "GOTO: malformed number '+-2'"},
        {"GOTO/1,-inf,3", "GOTO: malformed number '-inf'"},
        {"GOTO/1,1e999,3", "GOTO: malformed number '1e999'"},
        {"GOTO/1,1000000,3", "GOTO: number out of range '1000000'"},
        {"FEDRAT/MM-PM", "FEDRAT: malformed word 'MM-PM'"},
        {"END NOW", "END: unexpected text 'NOW'"},
        {"/1,2,3", "statement does not begin with a major word: '/1,2,3'"},
        {"3GOTO/1", "statement does not begin with a major word: '3GOTO/1'"},
    };
    for (const auto& c : cases) {
        try {
            parse_cl_record(c.statement);
            ADD_FAILURE() << c.statement << " was accepted";
        } catch (const ClError& error) {
            EXPECT_STREQ(error.what(), c.message) << c.statement;
        }
    }
}

} // namespace
} // namespace mill5x
