#include "win/bounded_call.h"

#include <gtest/gtest.h>

#include <future>

namespace workbench::win {
namespace {

using namespace std::chrono_literals;

TEST(AnswerWithin, GivesTheAnswerInTimeAndNothingForAQuestionThatHangs) {
    EXPECT_EQ(answer_within(10s, [] { return 7; }), 7);
    std::promise<void> network;
    std::shared_future<void> answers = network.get_future().share();
    EXPECT_EQ(answer_within(20ms,
                            [answers] {
                                answers.wait();
                                return 7;
                            }),
              std::nullopt);
    network.set_value(); // the question left behind ends by itself
}

} // namespace
} // namespace workbench::win
