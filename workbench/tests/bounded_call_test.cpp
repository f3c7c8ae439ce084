#include "win/bounded_call.h"

#include <gtest/gtest.h>

#include <future>

namespace workbench::win {
namespace {

using namespace std::chrono_literals;

TEST(AnswerWithin, GivesTheAnswerInTimeAndNothingForAQuestionThatHangs) {
    EXPECT_EQ(answer_within(10s, [] { return 7; }), 7);
    std::promise<void> network;
    const auto hangs = [answers = network.get_future().share()] { return answers.wait(), 7; };
    EXPECT_EQ(answer_within(20ms, hangs), std::nullopt);
    network.set_value(); // the question left behind ends by itself
}

} // namespace
} // namespace workbench::win
