// Each kind of machine, its travel limits and the rewind of a rotary axis that must pass its
// limit: the blocks they give.

#include "fragments.h"

#include <gtest/gtest.h>

namespace mill5x {
namespace {

using testing::after_the_start;
using testing::Fragment;

TEST(MachineKinds, TiltedAxisLimitsAndRewinds) {
    machine::Settings table{.kinematics = machine::Kind::table_ac, .a_axis_z = -100};
    machine::Settings head_table{.kinematics = machine::Kind::head_b_table_c,
                                 .pivot_distance = 100};
    // B only tilts forward, and C stops at 200: going round, C must turn back.
    const machine::Settings one_way{.b_min = 0, .c_min = -200, .c_max = 200};
    machine::Settings travel{}, travel_warned{};
    travel.x.max = travel_warned.x.max = 15;
    travel_warned.limits = machine::LimitRule::warn;
    const Fragment fragments[] = {
        // The positions of the tilted axis (0, sin 30, cos 30) at the tip (10, 0, 0) worked
        // out by hand in the machine's own test; on the table the control adds the tool's
        // length as it comes down.
        {"LOADTL/3,LENGTH,80,ADJUST,13\nGOTO/10,0,0,0,0.5,0.8660254\nGOTO/20,0,0",
         "N90 G0 A30.\r\nN100 Y-50.\r\nN110 G1 G43 H13 Z-13.397 F100.\r\nN120 X20.\r\n",
         testing::no_errors, table},
        {"LOADTL/3,LENGTH,50\nGOTO/10,0,0,0,0.5,0.8660254\nGOTO/20,0,0",
         "N90 G0 B30. C-90.\r\nN100 X75. Y-10.\r\nN110 G1 Z129.904 F100.\r\nN120 Y-20.\r\n",
         testing::no_errors, head_table},
        // A hole on the table: the control adds the tool length, so its top is the CL's.
        {"LOADTL/1,LENGTH,80\nRAPID\nGOTO/20,0,10\nCYCLE/DRILL,10,MMPM,50,3\nGOTO/60,20,0",
         "G99 G81 X60. Y20. Z-10. R3. F50.\r\n", testing::no_errors, table},
        // An arc with the table turned by C45 under a head tilted by B45: the machine runs
        // it turned by 45 degrees, from (7.071, 7.071) to (-7.071, 7.071) about the origin,
        // lifted 100 along the head, (70.711, 0, 70.711).
        {"GOTO/10,0,0,0.5,-0.5,0.70710678\nCIRCLE/0,0,0,0,0,1,10\nGOTO/0,10,0",
         "G94 G3 X63.64 Y7.071 I-7.071 J-7.071 F100.\r\n", testing::no_errors, head_table},
        // With the table tilted by A30 the arc lies in no plane of the machine: straight
        // moves along it, each checked on the CL's arc.
        {"GOTO/10,0,0,0,0.5,0.8660254\nCIRCLE/0,0,0,0,0,1,10\nGOTO/0,10,0", "G1",
         "Errors:          0\r\n", table},
        // The axis turns round the tip: at C180 the next quarter needs C270, beyond C_MAX.
        // The tool backs off 50 along its axis (-0.707, 0, 0.707), C turns back to -180,
        // the tool comes down again at the feed, and C goes on to -90.
        {"GOTO/10,0,0,0.7071068,0,0.7071068\nGOTO/10,0,0,0,0.7071068,0.7071068\n"
         "GOTO/10,0,0,-0.7071068,0,0.7071068\nGOTO/10,0,0,0,-0.7071068,0.7071068",
         "N70 C180. F120.\r\nN80 G0 X-25.355 Z35.355\r\nN90 C-180.\r\n"
         "N100 G94 G1 X10. Z0. F100.\r\nN110 G93 C-90. F120.\r\n",
         "line 6: warning: C must pass its limit here: the tool backs off along its axis and C "
         "turns back a whole turn\r\n",
         one_way},
        {"GOTO/20,0,0", after_the_start, "line 3: error: X20. lies 5. beyond X_MAX", travel},
        {"GOTO/20,0,0", "N50 G1 X20. F100.\r\n", "line 3: warning: X20. lies 5. beyond X_MAX",
         travel_warned},
    };
    testing::expect_fragments(fragments);
}

} // namespace
} // namespace mill5x
