#include "settings.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace mill5x {
namespace {

TEST(Settings, TheShippedTableReadsAsDocumented) {
    std::ifstream file(MILL5X_SAMPLES_DIR "/mill5x/MILL5X.pptable", std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    const MachineSettings s = read_settings(text.str());
    EXPECT_EQ(s.units, Units::millimetre);
    EXPECT_EQ(s.rapid_feed, 15000);
    EXPECT_EQ(s.max_feed, 8000);
    EXPECT_EQ(s.max_spindle, 12000);
    EXPECT_EQ(s.pivot_distance, 150);
    EXPECT_EQ(s.tool_length, 100);
    EXPECT_EQ(s.b_min, -110);
    EXPECT_EQ(s.b_max, 110);
    EXPECT_EQ(s.c_min, -360);
    EXPECT_EQ(s.c_max, 360);
    EXPECT_TRUE(s.inverse_time);
    EXPECT_EQ(s.block_number_step, 10);
}

TEST(Settings, KeysInAnyCaseWithCommentsAndCrLf) {
    const MachineSettings s =
        read_settings("units = inch # the NC program in inches\r\n\r\n  Inverse_Time=no\r\n"
                      "block_numbers = 0\r\nPIVOT_DISTANCE = -2.5\r\n");
    EXPECT_EQ(s.units, Units::inch);
    EXPECT_FALSE(s.inverse_time);
    EXPECT_EQ(s.block_number_step, 0);
    EXPECT_EQ(s.pivot_distance, -2.5);
    EXPECT_EQ(s.max_feed, MachineSettings{}.max_feed);
}

TEST(Settings, FaultsNameTheLineAndTheKey) {
    const struct {
        const char* text;
        int line;
        const char* message;
    } cases[] = {
        {"UNITS = MM\nSPEED = 3", 2, "unknown key 'SPEED'"},
        {"UNITS = CM", 1, "UNITS must be MM or INCH, not 'CM'"},
        {"\nMAX_FEED = fast", 2, "MAX_FEED must be a number from 1 to 1000000, not 'FAST'"},
        {"MAX_FEED = 0", 1, "MAX_FEED must be a number from 1 to 1000000, not '0'"},
        {"B_MAX = 200", 1, "B_MAX must be a number from -180 to 180, not '200'"},
        {"INVERSE_TIME = 1", 1, "INVERSE_TIME must be YES or NO, not '1'"},
        {"BLOCK_NUMBERS = 2.5", 1, "BLOCK_NUMBERS must be a whole number, not '2.5'"},
        {"B_MIN = 0\nB_MIN = 0", 2, "B_MIN is given twice"},
        {"PIVOT_DISTANCE 150", 1, "expected KEY = value, not 'PIVOT_DISTANCE 150'"},
        {"B_MIN = 10\nB_MAX = 0", 0, "B_MIN is greater than B_MAX"},
        {"C_MIN = 10\nC_MAX = 0", 0, "C_MIN is greater than C_MAX"},
    };
    for (const auto& c : cases) {
        try {
            read_settings(c.text);
            ADD_FAILURE() << c.text << " was accepted";
        } catch (const SettingsError& error) {
            EXPECT_EQ(error.line(), c.line) << c.text;
            EXPECT_STREQ(error.what(), c.message) << c.text;
        }
    }
}

} // namespace
} // namespace mill5x
