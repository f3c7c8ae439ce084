#include "core/feed_from_number.h"
#include "core/inverse_time_number.h"

#include "outcome_printing.h"

#include <gtest/gtest.h>

namespace ivt {
namespace {

FeedFromNumberInput move(PositionTexts previous, PositionTexts current, std::wstring number) {
    return {std::move(previous), std::move(current), std::move(number)};
}

Writes shown(std::wstring dx, std::wstring dy, std::wstring dz, std::wstring dist,
             std::wstring time, std::wstring feed) {
    return {{L"DX", dx}, {L"DY", dy}, {L"DZ", dz}, {L"Dist", dist}, {L"Time", time}, {L"FR", feed}};
}

TEST(FeedFromNumber, WorkedExampleAndEdgeCases) {
    const struct {
        const char* what;
        FeedFromNumberInput input;
        Writes expected;
    } cases[] = {
        {"start positions with the FRN of the start values",
         move({L"0", L"0", L"0", L"0"}, {L"1", L"1", L"1", L"0"}, L"6.9282"),
         shown(L"1", L"1", L"1", L"1.7321", L"0.1443", L"12")},
        {"a feed of exactly 0.0625 rounds to the even 0.062",
         move({L"0", L"0", L"0", L"0"}, {L"0.5", L"0", L"0", L"0"}, L"0.125"),
         shown(L"0.5", L"0", L"0", L"0.5", L"8", L"0.062")},
        {"no rotary term: the rotary texts are not even read",
         move({L"2", L"0", L"1.5", L"abc"}, {L"3", L"1", L"2", L""}, L"0.1"),
         shown(L"1", L"1", L"0.5", L"1.5", L"10", L"0.15")},
        {"a move of no length has no feed",
         move({L"1", L"1", L"1", L"0"}, {L"1", L"1", L"1", L"0"}, L"4"),
         shown(L"0", L"0", L"0", L"0", L"0.25", L"0")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(compute_feed_from_number(c.input, L'.'), Outcome(c.expected));
    }
}

// The FRN computed in seconds is read back per minute.
TEST(FeedFromNumber, TheSecondsRoundTripTakesTheNumberPerMinute) {
    const PositionTexts previous{L"0", L"0", L"0", L"0"}, current{L"1", L"1", L"1", L"0"};
    const auto forward = compute_inverse_time_number(
        {previous, current, L"12", RotaryAxis::none, /*in_seconds=*/true}, L'.');
    ASSERT_TRUE(std::holds_alternative<Writes>(forward));
    const FieldText number = std::get<Writes>(forward).back();
    ASSERT_EQ(number, (FieldText{L"IVT", L"0.1155"}));

    EXPECT_EQ(compute_feed_from_number({previous, current, number.text}, L'.'),
              Outcome(shown(L"1", L"1", L"1", L"1.7321", L"8.658", L"0.2")));
}

TEST(FeedFromNumber, FailuresShowOneMessageAndWriteNothing) {
    const std::wstring missing = L"Value missing";
    const std::wstring title = L"Inverse Time Feed";
    const struct {
        const char* what;
        FeedFromNumberInput input;
        Message expected;
    } cases[] = {
        {"every field empty: only the first is reported",
         move({L"", L"", L"", L""}, {L"", L"", L"", L""}, L""),
         {L"Please enter value for Previous X-axis.", missing}},
        {"CZ before IVT",
         move({L"0", L"0", L"0", L"0"}, {L"1", L"1", L"", L"0"}, L""),
         {L"Please enter value for Current Z-axis.", missing}},
        {"IVT",
         move({L"0", L"0", L"0", L"0"}, {L"1", L"1", L"1", L"0"}, L""),
         {L"Please enter value for 1/T FRN.", missing}},
        {"letters in LZ",
         move({L"0", L"0", L"z", L"0"}, {L"1", L"1", L"1", L"0"}, L"2"),
         {L"The field \"Previous Z-axis\" does not hold a number: \"z\".", title}},
        {"a blank IVT",
         move({L"0", L"0", L"0", L"0"}, {L"1", L"1", L"1", L"0"}, L" "),
         {L"The field \"1/T FRN\" is empty. Please enter a number.", title}},
        {"an FRN of zero, as Clear leaves it",
         move({L"0", L"0", L"0", L"0"}, {L"1", L"1", L"1", L"0"}, L"0"),
         {L"The field \"1/T FRN\" is 0. Please enter a 1/T FRN other than zero: its inverse "
          L"is the time for the cut.",
          title}},
        {"the feed has its own, wider range",
         move({L"0", L"0", L"0", L"0"}, {L"3000", L"0", L"0", L"0"}, L"1000"),
         {L"The result \"UPM Feed\" is 3000000, too large to show: results must lie between "
          L"-2147483.648 and 2147483.647.",
          title}},
        {"a time too large to show",
         move({L"0", L"0", L"0", L"0"}, {L"1", L"0", L"0", L"0"}, L"0.000001"),
         {L"The result \"Time for cut\" is 1000000, too large to show: results must lie "
          L"between -214748.3648 and 214748.3647.",
          title}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(compute_feed_from_number(c.input, L'.'), Outcome(c.expected));
    }
}

} // namespace
} // namespace ivt
