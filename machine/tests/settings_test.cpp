#include "machine/settings.h"

#include <gtest/gtest.h>

#include <tuple>

namespace machine {
namespace {

// The shipped table is read in the job test.
TEST(Settings, KeysInAnyCaseWithCommentsAndCrLf) {
    const Settings s = read_settings("units = inch # the NC program in inches\r\n\r\n"
                                     "  Inverse_Time=no\r\nblock_numbers = 0\r\n"
                                     "retract = g91 g28 z0\r\nwork_offset = g55\r\n");
    EXPECT_TRUE(s.units == Units::inch && !s.inverse_time && s.block_number_step == 0 &&
                s.retract == "G91 G28 Z0" && s.work_offset == 55);
    EXPECT_EQ(s.linear_tolerance_or_default(), 0.0004); // inches, when not given
}

TEST(Settings, FaultsNameTheLineAndTheKey) {
    const std::tuple<const char*, int, const char*> cases[] = {
        // text, line, message
        {"UNITS = CM", 1, "UNITS must be MM or INCH, not 'CM'"},
        {"\nMAX_FEED = fast", 2, "MAX_FEED must be a number from 1 to 1000000, not 'FAST'"},
        {"B_MAX = 200", 1, "B_MAX must be a number from -180 to 180, not '200'"},
        {"INVERSE_TIME = 1", 1, "INVERSE_TIME must be YES or NO, not '1'"},
        {"BLOCK_NUMBERS = 2.5", 1, "BLOCK_NUMBERS must be a whole number, not '2.5'"},
        {"B_MIN = 0\nB_MIN = 0", 2, "B_MIN is given twice"},
        {"PIVOT_DISTANCE 150", 1, "expected KEY = value, not 'PIVOT_DISTANCE 150'"},
        {"B_MIN = 10\nB_MAX = 0", 0, "B_MIN is greater than B_MAX"},
        {"Z_MIN = 10\nZ_MAX = 0", 0, "Z_MIN is greater than Z_MAX"},
        {"WORK_OFFSET = G60", 1, "WORK_OFFSET must be G54 to G59, not 'G60'"},
        {"RETRACT = G53 Z", 1, "RETRACT must be NC words such as G53 Z0., not 'G53 Z'"},
        {"CHECK_TOLERANCE = 0", 1, "CHECK_TOLERANCE must be a number from 0.000001 to 10, not '0'"},
        {"KINEMATICS = TABLE", 1,
         "KINEMATICS must be HEAD_BC, TABLE_AC or HEAD_B_TABLE_C, not 'TABLE'"},
        {"LIMITS = IGNORE", 1, "LIMITS must be STOP or WARN, not 'IGNORE'"},
    };
    for (const auto& [text, line, message] : cases) {
        try {
            read_settings(text);
            ADD_FAILURE() << text << " was accepted";
        } catch (const SettingsError& error) {
            EXPECT_EQ(std::pair(error.line(), std::string(error.what())),
                      std::pair(line, std::string(message)));
        }
    }
}

} // namespace
} // namespace machine
