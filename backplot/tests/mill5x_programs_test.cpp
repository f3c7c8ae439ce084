// MILL5X's NC programs for each kind of machine, read back with the machine's settings, draw
// the tool tip and axis where the CL file put them.

#include "load.h"
#include "postprocessor.h"

#include "machine/settings.h"

#include <gtest/gtest.h>

#include <string>

namespace backplot {
namespace {

// An arc, tilted positions, then a hole. The arc comes first, with the tool vertical: on a
// table that has tilted since, MILL5X writes it as straight moves.
constexpr const char* cl_moves = "UNITS/MM\n"
                                 "LOADTL/1,LENGTH,80\n"
                                 "FEDRAT/500\n"
                                 "MULTAX/ON\n"
                                 "FROM/0,0,100,0,0,1\n"
                                 "GOTO/40,10,-2,0,0,1\n"
                                 "CIRCLE/40,20,-2,0,0,1,10\n"
                                 "GOTO/50,20,-2\n"
                                 "GOTO/10,0,5,0,0,1\n"
                                 "GOTO/20,5,0,0.2,0,0.979796\n"
                                 "GOTO/30,10,0,0.2,0.2,0.959166\n"
                                 "GOTO/40,10,-2,0,0.3,0.953939\n"
                                 "GOTO/40,10,-2,0,0,1\n";
constexpr const char* cl_hole = "CYCLE/DRILL,10,MMPM,100,3\n"
                                "GOTO/60,20,0\n"
                                "CYCLE/OFF\n";

TEST(Mill5xPrograms, EachKindDrawsTheClPositions) {
    const char* const kinds[] = {
        "PIVOT_DISTANCE = 150\n",
        "KINEMATICS = TABLE_AC\nA_AXIS_Z = -50\nA_MIN = -30\nA_MAX = 120\n",
        "KINEMATICS = HEAD_B_TABLE_C\nPIVOT_DISTANCE = 120\nC_AXIS_X = 10\n",
    };
    for (const char* kind : kinds) {
        const std::string cl_file = std::string(cl_moves) + cl_hole + "FINI\n";
        const Plot cl = load_plot(cl_file);
        ASSERT_EQ(cl.warning_count(), 0u);
        const machine::Settings settings = machine::read_settings(kind);
        const mill5x::PostText post = mill5x::post_process(cl_file, settings, "T.APT");
        ASSERT_FALSE(post.failed())
            << kind << (post.error ? post.error->message : post.check->failure->message)
            << post.nc_program;
        const Plot nc = load_plot(post.nc_program, {&settings});
        EXPECT_EQ(nc.warning_count(), 0u) << kind;
        // Every CL position is the end of an NC move, tip and axis.
        for (std::size_t i = 0; i < cl.move_count(); ++i) {
            const Vector tip = cl.move(i).end_point(), axis = cl.move(i).axis.unpacked();
            bool found = false;
            for (std::size_t k = 0; k < nc.move_count() && !found; ++k)
                found = geometry::distance(nc.move(k).end_point(), tip) < 0.01 &&
                        geometry::distance(nc.move(k).axis.unpacked(), axis) < 1e-3;
            EXPECT_TRUE(found) << kind << "CL line " << cl.move(i).line;
        }
        EXPECT_EQ(nc.holes().size(), 1u);
        EXPECT_EQ(nc.arcs().size(), 1u);
    }
}

} // namespace
} // namespace backplot
