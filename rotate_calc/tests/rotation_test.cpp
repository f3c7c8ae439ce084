#include "../core/rotation.h"

#include <gtest/gtest.h>

namespace rotate_calc {
namespace {

using Texts = std::array<std::wstring, 3>;
constexpr auto clw = PlusDirection::clockwise;
constexpr auto cclw = PlusDirection::counter_clockwise;

// The texts written into NXA, NYA, NZA, in this order; the message when there are none.
Texts texts_of(const numbers::Outcome& outcome) {
    if (const auto* message = std::get_if<numbers::Message>(&outcome))
        return {L"failed: " + message->text};
    const auto& writes = std::get<numbers::Writes>(outcome);
    EXPECT_EQ(writes.size(), 3u);
    constexpr std::wstring_view fields[] = {L"NXA", L"NYA", L"NZA"};
    Texts texts;
    for (std::size_t r = 0; r < 3 && r < writes.size(); ++r) {
        EXPECT_EQ(writes[r].control, fields[r]);
        texts[r] = writes[r].text;
    }
    return texts;
}

Texts shown(const wchar_t* angle, const wchar_t* x, const wchar_t* y, const wchar_t* z, Axis axis,
            PlusDirection direction) {
    return texts_of(compute_rotation({angle, x, y, z, axis, direction}, L'.'));
}

TEST(Rotation, TheWorkedTableAndTheEdgeCases) {
    struct Case {
        const wchar_t *angle, *x, *y, *z;
        Axis axis;
        PlusDirection direction;
        Texts expected;
    };
    const Case cases[] = {
        // The point 10, 20, 5 turned by 30 degrees about each axis, both ways.
        {L"30", L"10", L"20", L"5", Axis::a, clw, {L"10", L"14.8205", L"14.3301"}},
        {L"30", L"10", L"20", L"5", Axis::a, cclw, {L"10", L"19.8205", L"-5.6699"}},
        {L"30", L"10", L"20", L"5", Axis::b, clw, {L"11.1603", L"20", L"-0.6699"}},
        {L"30", L"10", L"20", L"5", Axis::b, cclw, {L"6.1603", L"20", L"9.3301"}},
        {L"30", L"10", L"20", L"5", Axis::c, clw, {L"-1.3397", L"22.3205", L"5"}},
        {L"30", L"10", L"20", L"5", Axis::c, cclw, {L"18.6603", L"12.3205", L"5"}},
        // Quarter turns carry one axis onto the next by the right-hand rule.
        {L"90", L"1", L"0", L"0", Axis::c, clw, {L"0", L"1", L"0"}},
        {L"90", L"1", L"0", L"0", Axis::c, cclw, {L"0", L"-1", L"0"}},
        {L"90", L"0", L"1", L"0", Axis::a, clw, {L"0", L"0", L"1"}},
        {L"90", L"0", L"0", L"1", Axis::b, clw, {L"1", L"0", L"0"}},
        // π taken as 3.14159265 leaves cos(90°) a little above zero.
        {L"90", L"100000", L"0", L"0", Axis::c, clw, {L"0.0002", L"100000", L"0"}},
        {L"180", L"100000", L"0", L"0", Axis::c, clw, {L"-100000", L"0.0004", L"0"}},
        // Angle 0 and a full turn give the point back, rounded to four decimals.
        {L"0", L"1.23456", L"-2.00004", L"3", Axis::a, clw, {L"1.2346", L"-2", L"3"}},
        {L"0", L"1.23456", L"-2.00004", L"3", Axis::c, cclw, {L"1.2346", L"-2", L"3"}},
        {L"360", L"10", L"20", L"5", Axis::b, cclw, {L"10", L"20", L"5"}},
        // A negative angle one way is the positive angle the other way.
        {L"-30", L"10", L"20", L"5", Axis::b, cclw, {L"11.1603", L"20", L"-0.6699"}},
        // The coordinate on the rotation axis passes through, rounded.
        {L"45", L"7.00006", L"0", L"0", Axis::a, cclw, {L"7.0001", L"0", L"0"}},
        {L" 30 ", L"1e1", L"+20", L"5.0", Axis::c, clw, {L"-1.3397", L"22.3205", L"5"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(shown(c.angle, c.x, c.y, c.z, c.axis, c.direction), c.expected)
            << testing::PrintToString(std::wstring(c.angle)) << " "
            << testing::PrintToString(std::wstring(c.x));
}

TEST(Rotation, UsesTheGivenDecimalSeparator) {
    EXPECT_EQ(texts_of(compute_rotation({L"30", L"10,5", L"20", L"5", Axis::c, clw}, L',')),
              (Texts{L"-0,9067", L"22,5705", L"5"}));
}

TEST(Rotation, EveryFailureGivesNoResultAndNamesTheField) {
    struct Case {
        const wchar_t *angle, *x, *y, *z;
        const wchar_t* message;
    };
    const Case cases[] = {
        {L" ", L"1", L"2", L"3", L"The field \"Rotary Axis\" is empty. Please enter a number."},
        {L"30", L" ", L"2", L"3", L"The field \"X-Axis\" is empty. Please enter a number."},
        {L"30", L"1", L"two", L"3", L"The field \"Y-Axis\" does not hold a number: \"two\"."},
        {L"30", L"1", L"2", L"", L"The field \"Z-Axis\" is empty. Please enter a number."},
        {L"0", L"300000", L"0", L"0",
         L"The result \"New X-Axis\" is 300000, too large to show: results must lie between "
         L"-214748.3648 and 214748.3647."},
        {L"0", L"1", L"2", L"-214748.36485", nullptr}, // the half goes to the even limit
        {L"0", L"1", L"1e6", L"0", L"The result \"New Y-Axis\""},
        {L"45", L"1.5e308", L"-1.5e308", L"0", L"The result \"New X-Axis\" cannot be computed"},
    };
    for (const auto& c : cases) {
        const auto outcome = compute_rotation({c.angle, c.x, c.y, c.z, Axis::c, clw}, L'.');
        const auto* message = std::get_if<numbers::Message>(&outcome);
        if (!c.message) {
            EXPECT_EQ(message, nullptr) << testing::PrintToString(message->text);
            continue;
        }
        ASSERT_NE(message, nullptr) << "no result is written when the computation fails";
        EXPECT_EQ(message->title, L"ROTATION TRANSFORMATIONS");
        EXPECT_EQ(message->text.rfind(c.message, 0), 0u) << testing::PrintToString(message->text);
    }
}

} // namespace
} // namespace rotate_calc
