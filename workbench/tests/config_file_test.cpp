#include "core/config_file.h"
#include "core/text_encoding.h"

#include <gtest/gtest.h>

#include <vector>

namespace workbench {
namespace {

using Read = std::vector<std::optional<std::wstring>>;

// The six reads of start-up, each giving a value or failing.
Read read_six(std::wstring text) {
    ConfigReader reader(std::move(text));
    Read values;
    for (int i = 0; i < 6; ++i)
        values.push_back(reader.next_value());
    return values;
}

TEST(ConfigReader, ReadsTheSixValuesWhereverTheLineBreaksFall) {
    const Read written = {L"VAR", L"C:\\", L"C:\\trelvo\\bin", L"User 1", L"User 2", L"User 3"};
    const auto none = std::nullopt;
    const struct {
        const wchar_t* text;
        Read values;
    } cases[] = {
        // Hand-written: unquoted, blanks around, the mode word and the CL folder on two lines.
        {L"VAR\r\n C:\\ \r\n  C:\\trelvo\\bin\r\nUser 1\r\nUser 2  \r\nUser 3", written},
        {L"VAR,C:\\\n\"C:\\trelvo\\bin\"\r\"User 1\"\nUser 2\nUser 3\n", written},
        {L"\"var\",\"C:\\a,b\"\r\n\"x\r\ny\"\r\n\"\"\r\n\r\n\"U3\" junk , ignored",
         {L"var", L"C:\\a,b", L"x\r\ny", L"", L"", L"U3"}},
        {L"\"VAR\",\"C:\\\"\r\n\"C:\\trelvo\\bin\"\r\n  ",
         {L"VAR", L"C:\\", L"C:\\trelvo\\bin", none, none, none}},
        {L"VAR,\"C:\\nc\r\nx", {L"VAR", L"C:\\nc\r\nx", none, none, none, none}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(read_six(c.text), c.values) << testing::PrintToString(std::wstring(c.text));
}

std::wstring latin1(std::string_view bytes) {
    return {reinterpret_cast<const unsigned char*>(bytes.data()),
            reinterpret_cast<const unsigned char*>(bytes.data() + bytes.size())};
}

// Written to the byte, as the window test's Exit shows; here every value survives a round trip.
TEST(ConfigFile, EveryValueSurvivesARoundTrip) {
    // A quote can only come from an unquoted hand-written value; unquoted it reads back.
    std::wstring unpaired = L"  lead";
    if constexpr (sizeof(wchar_t) == 2) // Windows names may hold unpaired surrogates
        unpaired += {static_cast<wchar_t>(0xD800), L'y', static_cast<wchar_t>(0xDFFF)};
    const SavedSettings settings = {L"C:\\NC Teile\\\u00c4rger \u00df",
                                    L"\\\\server\\share\\pp \u5200\U0001F600",
                                    {L"a,b", unpaired, L"Say \"hi\""}};
    EXPECT_EQ(
        read_six(decode_text(config_file_bytes(settings), latin1)),
        (Read{L"VAR", settings.cl_folder, settings.pp_folder, L"a,b", unpaired, L"Say \"hi\""}));
    EXPECT_EQ(without_access_key(L"R&D && &"), L"R&&D &&&& &&");
}

TEST(DecodeText, ReadsUtf8ElseTheAnsiCodePage) {
    const struct {
        std::string bytes;
        std::wstring text;
    } cases[] = {
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

} // namespace
} // namespace workbench
