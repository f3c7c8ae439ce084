#include "core/commands.h"

#include "numbers/number_text.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace translate_calc {
namespace {

// The window's fields as a plain map: the start texts of the window, then the test's own.
struct Fields {
    std::map<std::wstring, std::wstring, std::less<>> texts = {
        {L"TipX", L""},    {L"TipY", L""},    {L"TipZ", L""},    {L"TipI", L"0.0"},
        {L"TipJ", L"0.0"}, {L"TipK", L"1.0"}, {L"TLgh", L"0.0"}, {L"Pivotz", L"0.0"},
        {L"OrgX", L"0.0"}, {L"OrgY", L"0.0"}, {L"OrgZ", L"0.0"}, {L"PrgX", L""},
        {L"PrgY", L""},    {L"PrgZ", L""},
    };
    Fields& set(std::initializer_list<std::pair<const wchar_t*, const wchar_t*>> changes) {
        for (const auto& [field, text] : changes)
            texts.at(field) = text;
        return *this;
    }
    FieldReader reader() const {
        return [this](std::wstring_view field) { return texts.find(field)->second; };
    }
    void apply(const Outcome& outcome) {
        if (const auto* writes = std::get_if<Writes>(&outcome))
            for (const auto& write : *writes)
                texts.at(std::wstring(write.control)) = write.text;
    }
};

bool failed(const Outcome& outcome) {
    return std::holds_alternative<Message>(outcome);
}

// The message of a failed command, with its title checked; empty for a success.
std::wstring error_of(const Outcome& outcome) {
    const auto* message = std::get_if<Message>(&outcome);
    if (!message) return {};
    EXPECT_EQ(message->title, L"Rotary Head Translations");
    return message->text;
}

std::wstring written(const Outcome& outcome) {
    if (failed(outcome)) return L"failed: " + error_of(outcome);
    std::wstring all;
    for (const auto& write : std::get<Writes>(outcome))
        all += std::wstring(write.control) + L"=" + write.text + L";";
    return all;
}

TEST(NormalizeToolAxis, WritesTheUnitVectorWithSixDecimals) {
    struct Case {
        const wchar_t *i, *j, *k, *expected;
    };
    const Case cases[] = {
        {L"1", L"2", L"3", L"TipI=0.267261;TipJ=0.534522;TipK=0.801784;"},
        {L"0.267261", L"0.534522", L"0.801784", L"TipI=0.267261;TipJ=0.534522;TipK=0.801784;"},
        {L"0.0", L"0.0", L"1.0", L"TipI=0;TipJ=0;TipK=1;"},
        {L"0", L"0", L"5", L"TipI=0;TipJ=0;TipK=1;"},
        {L"0", L"0", L"-2", L"TipI=0;TipJ=0;TipK=-1;"},
        {L"3", L"0", L"4", L"TipI=0.6;TipJ=0;TipK=0.8;"},
        {L"1", L"1", L"1", L"TipI=0.57735;TipJ=0.57735;TipK=0.57735;"},
        {L"-1", L"-1", L"0", L"TipI=-0.707107;TipJ=-0.707107;TipK=0;"},
        {L"0.001", L"0", L"0", L"TipI=1;TipJ=0;TipK=0;"},
        {L"0.0000005", L"0", L"1", L"TipI=0;TipJ=0;TipK=1;"},
        {L"1e-150", L"0", L"0", L"TipI=1;TipJ=0;TipK=0;"}, // the smallest squares still exact
        {L" 2 ", L"+0", L"-0", L"TipI=1;TipJ=0;TipK=0;"},
    };
    for (const auto& c : cases) {
        Fields fields;
        fields.set({{L"TipI", c.i}, {L"TipJ", c.j}, {L"TipK", c.k}});
        EXPECT_EQ(written(normalize_tool_axis(fields.reader(), L'.')), c.expected)
            << testing::PrintToString(std::wstring(c.i) + L", " + c.j + L", " + c.k);
    }
}

TEST(NormalizeToolAxis, TinyComponentsReadBackAsTheSameNumber) {
    struct Case {
        const wchar_t* i;
        double component;
        const wchar_t* translated;
    };
    for (const Case c : {Case{L"0.00005", 0.00005, L"0.5"}, Case{L"0.000012", 0.000012, L"0.12"}}) {
        Fields fields;
        fields.set({{L"TipI", c.i}, {L"TipJ", L"0"}, {L"TipK", L"1"}});
        fields.apply(normalize_tool_axis(fields.reader(), L'.'));
        EXPECT_EQ(numbers::number_from_text(fields.texts[L"TipI"], L'.'), c.component)
            << testing::PrintToString(fields.texts[L"TipI"]);
        EXPECT_EQ(fields.texts[L"TipK"], L"1");
        // Good enough for the translations too, which read it the same way.
        fields.set({{L"TipX", L"0"}, {L"TipY", L"0"}, {L"TipZ", L"0"}, {L"TLgh", L"10000"}});
        fields.apply(compute_program_point(fields.reader(), L'.'));
        EXPECT_EQ(fields.texts[L"PrgX"], c.translated);
    }
}

TEST(NormalizeToolAxis, FailsWithoutWritingAndSaysWhy) {
    struct Case {
        const wchar_t *i, *j, *k, *message_part;
    };
    const Case cases[] = {
        {L"0", L"0", L"0", L"its length is zero"},
        {L"0.0", L"-0", L"0", L"its length is zero"},
        {L"1e-200", L"1e-200", L"0", L"too small"}, // the squares vanish
        {L"1e-160", L"0", L"0", L"too small"},      // the squares would lose digits
        {L"1e200", L"0", L"1", L"too large"},
        {L"1", L"abc", L"1", L"The field \"Tool Axis J\" does not hold a number: \"abc\"."},
        {L"1", L"1", L" ", L"The field \"Tool Axis K\" is empty."},
        {L"x", L"y", L"z", L"\"Tool Axis I\""}, // the first bad field is named
    };
    for (const auto& c : cases) {
        Fields fields;
        fields.set({{L"TipI", c.i}, {L"TipJ", c.j}, {L"TipK", c.k}});
        const Outcome outcome = normalize_tool_axis(fields.reader(), L'.');
        EXPECT_NE(error_of(outcome).find(c.message_part), std::wstring::npos)
            << testing::PrintToString(error_of(outcome));
    }
}

// The setup of the worked example: origin 1, 2, 3, the normalized axis 1, 2, 3, tool
// length 4.5 and pivot distance 12.25.
Fields worked_example() {
    Fields fields;
    fields.set({{L"TipX", L"10"},
                {L"TipY", L"20"},
                {L"TipZ", L"5"},
                {L"OrgX", L"1"},
                {L"OrgY", L"2"},
                {L"OrgZ", L"3"},
                {L"TipI", L"0.267261"},
                {L"TipJ", L"0.534522"},
                {L"TipK", L"0.801784"},
                {L"TLgh", L"4.5"},
                {L"Pivotz", L"12.25"}});
    return fields;
}

TEST(Translations, WorkedExampleThereAndBack) {
    Fields fields = worked_example();
    const Outcome there = compute_program_point(fields.reader(), L'.');
    EXPECT_EQ(written(there), L"PrgX=13.4766;PrgY=26.9532;PrgZ=15.4299;");
    fields.apply(there);
    fields.set({{L"TipX", L" "}, {L"TipY", L" "}, {L"TipZ", L" "}});
    EXPECT_EQ(written(compute_tip_point(fields.reader(), L'.')), L"TipX=10;TipY=20;TipZ=5;");
}

TEST(Translations, ProgramPointEdgeCases) {
    struct Case {
        const char* what;
        std::initializer_list<std::pair<const wchar_t*, const wchar_t*>> fields;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {"start values with a tip point",
         {{L"TipX", L"10"}, {L"TipY", L"20"}, {L"TipZ", L"5"}},
         L"PrgX=10;PrgY=20;PrgZ=5;"},
        {"axis 0, 0, 1 with lengths and origin",
         {{L"TipX", L"10"},
          {L"TipY", L"20"},
          {L"TipZ", L"5"},
          {L"OrgX", L"1"},
          {L"OrgY", L"2"},
          {L"OrgZ", L"3"},
          {L"TLgh", L"4.5"},
          {L"Pivotz", L"12.25"}},
         L"PrgX=9;PrgY=18;PrgZ=18.75;"},
        {"a non-unit axis scales the translation",
         {{L"TipX", L"10"},
          {L"TipY", L"20"},
          {L"TipZ", L"5"},
          {L"TipK", L"2"},
          {L"TLgh", L"1"},
          {L"Pivotz", L"1"}},
         L"PrgX=10;PrgY=20;PrgZ=9;"},
        {"a zero axis only shifts by the origin",
         {{L"TipX", L"10"},
          {L"TipY", L"20"},
          {L"TipZ", L"5"},
          {L"TipK", L"0"},
          {L"OrgX", L"1"},
          {L"OrgY", L"2"},
          {L"OrgZ", L"3"},
          {L"TLgh", L"4.5"},
          {L"Pivotz", L"12.25"}},
         L"PrgX=9;PrgY=18;PrgZ=2;"},
        {"rounding: below half, tie to even, just below a half",
         {{L"TipX", L"0.00005"}, {L"TipY", L"0.00025"}, {L"TipZ", L"0.00015"}, {L"TipK", L"0"}},
         L"PrgX=0;PrgY=0.0002;PrgZ=0.0001;"},
        {"no negative zero; the largest result shown",
         {{L"TipX", L"-0.00004"},
          {L"TipY", L"214748.3647"},
          {L"TipZ", L"-214748.3648"},
          {L"TipK", L"0"}},
         L"PrgX=0;PrgY=214748.3647;PrgZ=-214748.3648;"},
    };
    for (const auto& c : cases) {
        Fields fields;
        fields.set(c.fields);
        EXPECT_EQ(written(compute_program_point(fields.reader(), L'.')), c.expected) << c.what;
    }
}

TEST(Translations, TipToProgramPointAndBackReturnsWithinRounding) {
    struct Case {
        const wchar_t *x, *y, *z, *i, *j, *k, *length, *pivot;
    };
    const Case cases[] = {
        {L"10", L"20", L"5", L"0.267261", L"0.534522", L"0.801784", L"4.5", L"12.25"},
        {L"-123.45678", L"0.00012", L"987.6543", L"0.57735", L"-0.57735", L"0.57735", L"150.3",
         L"230.125"},
        {L"0.33333", L"-0.66667", L"1000", L"-0.707107", L"0", L"0.707107", L"99.9999", L"0"},
    };
    for (const auto& c : cases) {
        Fields fields;
        fields.set({{L"TipX", c.x},
                    {L"TipY", c.y},
                    {L"TipZ", c.z},
                    {L"TipI", c.i},
                    {L"TipJ", c.j},
                    {L"TipK", c.k},
                    {L"TLgh", c.length},
                    {L"Pivotz", c.pivot},
                    {L"OrgX", L"-7.5"},
                    {L"OrgY", L"3.25"},
                    {L"OrgZ", L"100"}});
        const Fields start = fields;
        fields.apply(compute_program_point(fields.reader(), L'.'));
        const Outcome back = compute_tip_point(fields.reader(), L'.');
        ASSERT_FALSE(failed(back)) << testing::PrintToString(error_of(back));
        fields.apply(back);
        for (const wchar_t* field : {L"TipX", L"TipY", L"TipZ"})
            EXPECT_NEAR(*numbers::number_from_text(fields.texts[field], L'.'),
                        *numbers::number_from_text(start.texts.at(field), L'.'), 0.0001 + 1e-12)
                << testing::PrintToString(std::wstring(field) + L" from " + c.x);
    }
}

TEST(Translations, FailuresWriteNothingAndNameTheFieldOrResult) {
    struct Case {
        const char* what;
        bool to_program_point;
        std::initializer_list<std::pair<const wchar_t*, const wchar_t*>> fields;
        const wchar_t* message;
    };
    const Case cases[] = {
        {"tip point left blank",
         true,
         {{L"TipX", L" "}, {L"TipY", L"1"}, {L"TipZ", L"1"}},
         L"The field \"X-Axis at tool tip\" is empty. Please enter a number."},
        {"the first of several bad fields is named",
         true,
         {{L"TipX", L"1"}, {L"TipY", L"1"}, {L"TipZ", L"1"}, {L"OrgZ", L"3x"}, {L"Pivotz", L"?"}},
         L"The field \"Z-Origin\" does not hold a number: \"3x\"."},
        {"program point empty at start",
         false,
         {},
         L"The field \"X-Axis at pivot point\" is empty. Please enter a number."},
        {"tool length",
         false,
         {{L"PrgX", L"1"}, {L"PrgY", L"1"}, {L"PrgZ", L"1"}, {L"TLgh", L"4,5"}},
         L"The field \"Tool Length\" does not hold a number: \"4,5\"."},
        {"last component out of range: the earlier ones are not written either",
         true,
         {{L"TipX", L"1"}, {L"TipY", L"2"}, {L"TipZ", L"214748.36475"}, {L"TipK", L"0"}},
         L"The result \"Z-Axis at pivot point\" is 214748.36475, too large to show: results "
         L"must lie between -214748.3648 and 214748.3647."},
        {"overflow",
         false,
         {{L"PrgX", L"1"},
          {L"PrgY", L"1"},
          {L"PrgZ", L"1"},
          {L"TLgh", L"1e308"},
          {L"Pivotz", L"1e308"}},
         L"The result \"X-Axis at tool tip\" cannot be computed: the numbers entered are too "
         L"large, or lead to a division by zero."},
    };
    for (const auto& c : cases) {
        Fields fields;
        fields.set(c.fields);
        const Outcome outcome = c.to_program_point ? compute_program_point(fields.reader(), L'.')
                                                   : compute_tip_point(fields.reader(), L'.');
        EXPECT_EQ(error_of(outcome), c.message) << c.what;
    }
}

TEST(Translations, UseTheUsersDecimalSeparator) {
    Fields fields = worked_example();
    for (auto& [field, text] : fields.texts)
        for (auto& c : text)
            if (c == L'.') c = L',';
    EXPECT_EQ(written(compute_program_point(fields.reader(), L',')),
              L"PrgX=13,4766;PrgY=26,9532;PrgZ=15,4299;");
    EXPECT_EQ(written(normalize_tool_axis(fields.reader(), L',')),
              L"TipI=0,267261;TipJ=0,534522;TipK=0,801784;");
}

TEST(Clearing, WritesExactlyTheseTextsInThisOrder) {
    const wchar_t* all = L"TipX= ;TipY= ;TipZ= ;TipI=0;TipJ=0;TipK=1;TLgh=0;Pivotz=0;OrgX=0;"
                         L"OrgY=0;OrgZ=0;PrgX= ;PrgY= ;PrgZ= ;";
    EXPECT_EQ(written(clear_all(L'.')), all);
    EXPECT_EQ(written(clear_all(L',')), all);
    EXPECT_EQ(written(clear_results()), L"TipX= ;TipY= ;TipZ= ;PrgX= ;PrgY= ;PrgZ= ;");

    Fields fields;
    fields.apply(clear_all(L'.'));
    EXPECT_TRUE(failed(compute_program_point(fields.reader(), L'.')));
    fields.set({{L"TipX", L"10"}, {L"TipY", L"20"}, {L"TipZ", L"5"}});
    EXPECT_EQ(written(compute_program_point(fields.reader(), L'.')), L"PrgX=10;PrgY=20;PrgZ=5;");
}

} // namespace
} // namespace translate_calc
