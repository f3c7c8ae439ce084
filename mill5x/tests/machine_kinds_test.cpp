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
