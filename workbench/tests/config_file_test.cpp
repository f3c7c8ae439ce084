#include "core/config_file.h"
#include "core/text_encoding.h"

#include <gtest/gtest.h>

#include <vector>

namespace workbench {
namespace {

using Values = std::vector<std::wstring>;

// The values start-up takes: six reads, each giving a value or failing.
std::vector<std::optional<std::wstring>> read_six(std::wstring text) {
    ConfigReader reader(std::move(text));
    std::vector<std::optional<std::wstring>> values;
    for (int i = 0; i < 6; ++i)
        values.push_back(reader.next_value());
    return values;
}

TEST(ConfigReader, ReadsTheSixValuesWhereverTheLineBreaksFall) {
    using Read = std::vector<std::optional<std::wstring>>;
    const Read written = {L"VAR", L"C:\\", L"C:\\trelvo\\bin", L"User 1", L"User 2", L"User 3"};
    struct Case {
        const wchar_t* name;
        const wchar_t* text;
        Read values;
    };
    const Case cases[] = {
        {L"as written",
         L"\"VAR\",\"C:\\\"\r\n\"C:\\trelvo\\bin\"\r\n\"User 1\"\r\n\"User 2\"\r\n"
         L"\"User 3\"\r\n",
         written},
        {L"mode word and CL folder on two lines",
         L"\"VAR\"\r\n\"C:\\\"\r\n\"C:\\trelvo\\bin\"\r\n\"User 1\"\r\n\"User 2\"\r\n\"User "
         L"3\"\r\n",
         written},
        {L"unquoted, blanks before and after",
         L"VAR, C:\\ \r\n  C:\\trelvo\\bin\r\nUser 1\r\nUser 2  \r\nUser 3", written},
        {L"bare line feeds and carriage returns",
         L"VAR,C:\\\n\"C:\\trelvo\\bin\"\r\"User 1\"\nUser 2\nUser 3\n", written},
        {L"everything on one line",
         L"\"VAR\",\"C:\\\",\"C:\\trelvo\\bin\",\"User 1\",\"User 2\",\"User 3\"", written},
        {L"quoted commas and line ends, an empty line, text after a quote",
         L"\"var\",\"C:\\a,b\"\r\n\"x\r\ny\"\r\n\"\"\r\n\r\n\"U3\" junk , ignored",
         {L"var", L"C:\\a,b", L"x\r\ny", L"", L"", L"U3"}},
        {L"ends after its fourth line",
         L"\"VAR\",\"C:\\\"\r\n\"C:\\trelvo\\bin\"\r\n\"User 1\"\r\n\"User 2\"\r\n",
         {L"VAR", L"C:\\", L"C:\\trelvo\\bin", L"User 1", L"User 2", std::nullopt}},
        {L"ends after its second line",
         L"\"VAR\",\"C:\\\"\r\n\"C:\\trelvo\\bin\"\r\n  ",
         {L"VAR", L"C:\\", L"C:\\trelvo\\bin", std::nullopt, std::nullopt, std::nullopt}},
        {L"empty",
         L"",
         {std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt}},
        {L"a quote left open runs to the end",
         L"VAR,\"C:\\nc\r\nx",
         {L"VAR", L"C:\\nc\r\nx", std::nullopt, std::nullopt, std::nullopt, std::nullopt}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(read_six(c.text), c.values) << c.name;
}

TEST(ConfigFileBytes, WritesTheFiveLinesToTheByte) {
    struct Case {
        SavedSettings settings;
        std::string bytes;
    };
    const Case cases[] = {
        {{L"C:\\", L"C:\\trelvo\\bin", {L"User 1", L"User 2", L"User 3"}},
         "\"VAR\",\"C:\\\"\r\n\"C:\\trelvo\\bin\"\r\n\"User 1\"\r\n\"User 2\"\r\n\"User 3\"\r\n"},
        {{L"D:\\a,b", L"", {L"", L"Backup", L" x "}},
         "\"VAR\",\"D:\\a,b\"\r\n\"\"\r\n\"\"\r\n\"Backup\"\r\n\" x \"\r\n"},
        // Only an unquoted value read from a hand-written file can hold a quote; it is
        // written unquoted, the one form that reads back the same.
        {{L"C:\\", L"C:\\pp", {L"Say \"hi\"", L"U2", L"U3"}},
         "\"VAR\",\"C:\\\"\r\n\"C:\\pp\"\r\nSay \"hi\"\r\n\"U2\"\r\n\"U3\"\r\n"},
        // UTF-8 without a byte-order mark.
        {{L"C:\\Teile \u00c4", L"C:\\\u5200", {L"U1", L"U2", L"U3"}},
         "\"VAR\",\"C:\\Teile "
         "\xC3\x84\"\r\n\"C:\\\xE5\x88\x80\"\r\n\"U1\"\r\n\"U2\"\r\n\"U3\"\r\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(config_file_bytes(c.settings), c.bytes);
}

std::wstring latin1(std::string_view bytes) {
    std::wstring text;
    for (char c : bytes)
        text.push_back(static_cast<unsigned char>(c));
    return text;
}

TEST(ConfigFile, EveryValueSurvivesARoundTrip) {
    const SavedSettings settings = {L"C:\\NC Teile\\\u00c4rger \u00df",
                                    L"\\\\server\\share\\pp \u5200\U0001F600",
                                    {L"a,b", L"  lead", L"Say \"hi\""}};
    ConfigReader reader(decode_text(config_file_bytes(settings), latin1));
    EXPECT_EQ(reader.next_value(), L"VAR");
    EXPECT_EQ(reader.next_value(), settings.cl_folder);
    EXPECT_EQ(reader.next_value(), settings.pp_folder);
    for (const auto& caption : settings.user_captions)
        EXPECT_EQ(reader.next_value(), caption);
    EXPECT_EQ(reader.next_value(), std::nullopt);
}

TEST(DecodeText, ReadsUtf8ElseTheAnsiCodePage) {
    struct Case {
        std::string bytes;
        std::wstring text;
    };
    const Case cases[] = {
        {"C:\\nc", L"C:\\nc"},
        {"C:\\\xC3\x84", L"C:\\\u00c4"},
        {"\xEF\xBB\xBF\"VAR\"", L"\"VAR\""},               // Notepad's byte-order mark
        {"C:\\\xC4rger", L"C:\\\u00c4rger"},               // ANSI from an older version
        {"\xC0\x80", L"\u00c0\u0080"},                     // overlong form: not UTF-8
        {"\xE2\x82", L"\u00e2\u0082"},                     // cut short
        {"\xF4\x90\x80\x80", L"\u00f4\u0090\u0080\u0080"}, // beyond U+10FFFF
    };
    for (const auto& c : cases)
        EXPECT_EQ(decode_text(c.bytes, latin1), c.text) << testing::PrintToString(c.bytes);
}

TEST(TextEncoding, KeepsUnpairedSurrogatesOfWindowsNames) {
    if constexpr (sizeof(wchar_t) != 2) GTEST_SKIP() << "wide text is not UTF-16 here";
    const std::wstring name = {
        L'C', L':', L'\\', static_cast<wchar_t>(0xD800), L'x', static_cast<wchar_t>(0xDFFF)};
    EXPECT_EQ(decode_text(to_utf8(name), latin1), name);
}

} // namespace
} // namespace workbench
