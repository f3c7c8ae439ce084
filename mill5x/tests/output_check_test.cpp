// The check reads the program back as it is written: it passes what the post-processor
// meant, and fails a program whose machine is not the one it was written for.

#include "output_check.h"
#include "post.h"

#include "cl_reader/statement_reader.h"

#include <gtest/gtest.h>

#include <sstream>

namespace mill5x {
namespace {

// The CL text post-processed for one machine and checked against another's settings.
CheckResult check(std::string_view cl_text, const machine::Settings& written,
                  const machine::Settings& checked, PostResult& result) {
    Post post(written, result);
    OutputCheck output_check(checked);
    std::istringstream text{std::string(cl_text)};
    cl::StatementReader reader(text);
    std::string blocks;
    for (cl::Statement statement; reader.next(statement);) {
        post.statement(statement);
        blocks.clear();
        BlockWriter::render(post.writer().tokens(), blocks);
        output_check.check(blocks, post.expectations());
        post.writer().clear_text();
        post.expectations().clear();
    }
    return output_check.result();
}

// The swarf wall's first corner: the tool tilted 10 degrees turns 22.5 degrees about Z while
// its tip, 240 below the pivot point, moves 6.2 along a straight CL segment.
constexpr std::string_view corner =
    "LOADTL/2,LENGTH,90\nFEDRAT/800\nGOTO/30,-30.9088,-8,0,-0.173648,0.984808\n"
    "GOTO/36.0881,-29.6979,-8,0.066452,-0.160430,0.984808\nFINI\n";

TEST(OutputCheck, TheTipStaysOnTheCornerOnlyWithPointsInserted) {
    const machine::Settings head{.pivot_distance = 150};
    machine::Settings coarse = head;
    coarse.linear_tolerance = 1;
    // Moving B and C linearly, the axis's horizontal part (radius sin 10 = 0.173648) runs the
    // arc, not its chord: at the middle the tip strays 240 x 0.173648 x (1 - cos 11.25)
    // = 0.8008. Twelve pieces each stray 240 x 0.173648 x (1 - cos 0.9375) = 0.0056.
    PostResult fine_result, coarse_result;
    const CheckResult fine = check(corner, head, head, fine_result);
    const CheckResult unsplit = check(corner, coarse, head, coarse_result);
    EXPECT_EQ(fine_result.inserted_points, 11);
    EXPECT_NEAR(fine.worst_along, 0.0056, 0.002);
    EXPECT_FALSE(fine.failure) << fine.failure->message;
    EXPECT_EQ(coarse_result.inserted_points, 0);
    EXPECT_NEAR(unsplit.worst_along, 0.8008, 0.002);
    ASSERT_TRUE(unsplit.failure);
    EXPECT_EQ(unsplit.failure->message.rfind("the tool tip leaves the CL path by 0.80", 0), 0u)
        << unsplit.failure->message;
    EXPECT_EQ(unsplit.failure_cl_line, 4);
}

// The program for a pivot distance of 150 on a machine whose pivot lies 149 from the spindle:
// every tip is 1 off (and the written positions' rounding), first at the approach's end
// (body line 8, CL line 3).
TEST(OutputCheck, FailsAProgramForAnotherPivotDistance) {
    PostResult result;
    const CheckResult checked =
        check(corner, {.pivot_distance = 150}, {.pivot_distance = 149}, result);
    ASSERT_TRUE(checked.failure);
    EXPECT_EQ(checked.failure->message.rfind("the tool tip is 1.000", 0), 0u)
        << checked.failure->message;
    EXPECT_EQ(checked.failure->line, 8);
    EXPECT_EQ(checked.failure_cl_line, 3);
}

} // namespace
} // namespace mill5x
