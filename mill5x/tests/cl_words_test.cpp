// The CL words as other CAM systems write them, a family a table: the blocks each gives.

#include "fragments.h"

#include <gtest/gtest.h>

namespace mill5x {
namespace {

using testing::after_the_start;
using testing::Fragment;

const char* const stop = after_the_start;

TEST(ClWords, DrillingCycles) {
    const Fragment fragments[] = {
        // RTRCTO,AUTO: back to the height the tool came from (G98); the holes after the first
        // are positions.
        {"RAPID\nGOTO/20,0,20\nCYCLE/DRILL,RAPTO,3,FEDTO,-12,RTRCTO,AUTO,MMPM,250\n"
         "GOTO/20,0,0\nGOTO/30,0,0\nCYCLE/OFF\nRAPID\nGOTO/30,0,50",
         "N50 X20. Z20.\r\nN60 G98 G81 X20. Y0. Z-12. R3. F250.\r\nN70 X30.\r\nN80 G80\r\n"
         "N90 G0 Z50.\r\n"},
        // RTRCTO with a distance: that is R, and the tool returns there (G99).
        {"CYCLE/DEEP,FEDTO,-20,INCR,4,RAPTO,2,RTRCTO,5,MMPM,100\nGOTO/20,0,0",
         "N50 G99 G83 X20. Y0. Z-20. R5. Q4. F100.\r\n"},
        {"CYCLE/BRKCHP,FEDTO,-10,STEP,2,RAPTO,2,FEDRAT,80\nGOTO/20,0,0",
         "N50 G99 G73 X20. Y0. Z-10. R2. Q2. F80.\r\n"},
        {"CYCLE/DRILL,FEDTO,-5,RAPTO,2,DWELL,0.5,MMPM,60\nGOTO/20,0,0",
         "N50 G99 G82 X20. Y0. Z-5. R2. P500 F60.\r\n"},
        {"CYCLE/BORE,FEDTO,-8,RAPTO,2,DWELL,1,MMPM,50\nGOTO/20,0,0",
         "N50 G99 G89 X20. Y0. Z-8. R2. P1000 F50.\r\n"},
        // A pitch of 1.25 at 400 rpm is 500 per minute.
        {"SPINDL/RPM,400\nCYCLE/TAP,FEDTO,-15,RAPTO,5,MMPR,1.25\nGOTO/20,0,0",
         "N50 S400 M3\r\nN60 M29 S400\r\nN70 G99 G84 X20. Y0. Z-15. R5. F500.\r\n",
         testing::no_errors, machine::Settings{.rigid_tapping = true}},
        // A hole over the last one, deeper down: the block names X so that the control
        // drills it.
        {"CYCLE/DRILL,5,MMPM,50,2\nGOTO/20,0,0\nGOTO/20,0,-3",
         "N50 G99 G81 X20. Y0. Z-5. R2. F50.\r\nN60 X20. Z-8. R-1.\r\n"},
        // CYCLE/ON takes the last cycle up again, written in full.
        {"CYCLE/REAM,FEDTO,-8,RAPTO,2,MMPM,50\nGOTO/20,0,0\nCYCLE/OFF\nCYCLE/ON\nGOTO/30,0,0",
         "N50 G99 G85 X20. Y0. Z-8. R2. F50.\r\nN60 G80\r\nN70 G99 G85 X30. Y0. Z-8. R2. F50.\r\n"},
        // After a tool change the cycle is written in full again, the tool coming down over
        // the hole to R.
        {"CYCLE/DRILL,5,MMPM,50,2\nGOTO/20,0,0\nLOADTL/2\nGOTO/30,0,0",
         "N60 G80\r\nN70 M5\r\nN80 M9\r\nN90 G53 Z0.\r\nN100 T2 M6\r\n(T2 LENGTH 0.)\r\n"
         "N110 G0 X30.\r\nN120 Z2.\r\nN130 G99 G81 X30. Y0. Z-5. R2. F50.\r\n"},
        {"CYCLE/DRILL,FEDTO,5,RAPTO,2", stop,
         "line 3: error: CYCLE: the depth must be given and lie below the point"},
        {"CYCLE/DRILL,FEDTO,-5,RAPTO,2,PECK,1", stop,
         "line 3: error: CYCLE: unknown minor word 'PECK'"},
        {"CYCLE/DRILL,FEDTO,-5,RAPTO,2,RTRCTO,AUTO,RETRCT,9", stop,
         "line 3: error: CYCLE: RTRCTO and RETRCT must not both say"},
        {"CYCLE/ON", stop, "line 3: error: CYCLE/ON: no cycle was given to turn on again"},
        {"CYCLE/TAP,FEDTO,-5,RAPTO,2,MMPR,1\nGOTO/20,0,0", stop,
         "line 4: error: GOTO: a feed per revolution needs the spindle speed"},
    };
    testing::expect_fragments(fragments);
}

// The cycle of one CAM system and the same written with the classic words: the same program.
TEST(ClWords, NamedCycleWordsDrillTheSameHolesAsTheClassicOnes) {
    const std::pair<const char*, const char*> cycles[] = {
        {"CYCLE/DRILL,RAPTO,3,FEDTO,-12,RTRCTO,AUTO,MMPM,250", "CYCLE/DRILL,12,MMPM,250,3,20"},
        {"CYCLE/DEEP,FEDTO,-20,INCR,4,RTRCTO,5,IPM,4",
         "CYCLE/DEEP,DEPTH,20,STEP,4,CLEAR,5,MMPM,101.6"},
    };
    for (const auto& [named, classic] : cycles) {
        const auto program = [](const char* cycle) {
            return post_process(std::string("FEDRAT/100\nFROM/10,0,0\nRAPID\nGOTO/20,0,20\n") +
                                    cycle +
                                    "\nGOTO/20,0,0\nGOTO/30,0,0\nGOTO/30,10,-2\n"
                                    "CYCLE/OFF\nFINI\n",
                                {}, "T.APT");
        };
        const PostText from_named = program(named), from_classic = program(classic);
        EXPECT_FALSE(from_named.failed()) << from_named.listing;
        EXPECT_EQ(from_named.nc_program, from_classic.nc_program) << named;
    }
}

TEST(ClWords, ToolLoads) {
    const Fragment fragments[] = {
        {"LOAD/TOOL,1,ADJUST,1", "N80 T1 M6\r\n(T1 LENGTH 0. H1)\r\n"},
        {"LOADTL/2,LENGTH,90,OSETNO,12", "N80 T2 M6\r\n(T2 LENGTH 90. H12)\r\n"},
        {"LOADTL/3,IN,2,HOLDER,LENGTH,50", "N80 T3 M6\r\n(T3 LENGTH 50.)\r\n",
         "line 3: warning: LOADTL: minor word 'IN, 2' is passed by\r\n"
         "line 3: warning: LOADTL: minor word 'HOLDER' is passed by\r\n"},
        {"SELECT/TOOL,7\nGOTO/20,0,0", "N50 T7\r\nN60 G1 X20. F100.\r\n"},
        {"LOAD/TOOL,1,LENGTH,-5", stop, "line 3: error: LOAD: LENGTH must not be negative"},
        {"LOAD/SPINDL,1", stop, "line 3: error: LOAD: only LOAD/TOOL, n is known"},
        {"LOADTL/1,ADJUST", stop, "line 3: error: LOADTL: value 3 is missing"},
    };
    testing::expect_fragments(fragments);
}

TEST(ClWords, SpindleCoolantAndFeeds) {
    const Fragment fragments[] = {
        {"SPINDL/RPM,2000,CLW,RANGE,2", "N50 M42\r\nN60 S2000 M3\r\n"},
        {"SPINDL/1500,CCLW,RANGE,HIGH", "N50 M43\r\nN60 S1500 M4\r\n"},
        {"COOLNT/THRU\nCOOLNT/MIST\nCOOLNT/FLOOD\nCOOLNT/OFF",
         "N50 M88\r\nN60 M7\r\nN70 M8\r\nN80 M9\r\n"},
        {"COOLNT/AIR\nCOOLNT/ON", "N40 Z0.\r\nN50 M8\r\n",
         "line 3: warning: COOLNT: unknown minor word 'AIR' is passed by\r\n"},
        {"SPINDL/RPM,1000\nFEDRAT/0.1,MMPR\nGOTO/20,0,0", "N60 G1 X20. F100.\r\n"},
        {"FEDRAT/IPM,10\nGOTO/20,0,0", "N50 G1 X20. F254.\r\n"},
        {"FEDRAT/0.1,IPR", stop, "line 3: error: FEDRAT: a feed per revolution needs"},
        {"SPINDL/SFM,300", stop, "line 3: error: SPINDL: unknown minor word 'SFM'"},
        {"SPINDL/RPM,1000,RANGE,5", stop,
         "line 3: error: SPINDL: RANGE must be a whole number from 1 to 4"},
    };
    testing::expect_fragments(fragments);
}

} // namespace
} // namespace mill5x
