#include "postprocessor.h"
#include "syntax_help.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace mill5x {
namespace {

// The CL lines joined as a file holds them.
std::string cl(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines)
        text += std::string(line) + "\r\n";
    return text;
}

MachineSettings machine(double pivot_distance = 0) {
    MachineSettings settings;
    settings.pivot_distance = pivot_distance;
    return settings;
}

TEST(PostProcessor, ASmallClFileGivesExactlyThisProgram) {
    const PostResult result = post_process(
        cl({"PARTNO test part (side 1)", "UNITS/MM", "LOADTL/3,LENGTH,50", "SPINDL/RPM,2500,CLW",
            "COOLNT/ON", "FROM/0,0,50", "FEDRAT/200", "GOTO/10,0,0", "GOTO/10,5,$  continued",
            "  0", "GOTO/10,5,0 $$ already there: no block", "RAPID", "GODLTA/0,0,20", "END",
            "FINI"}),
        machine(100), "T.APT");
    EXPECT_EQ(
        result.nc_program,
        cl({"%", "(MILL5X T.APT)", "N10 G90 G94 G17 G21", "(TEST PART SIDE 1)", "N20 T3 M6",
            "N30 S2500 M3", "N40 M8", "N50 G0 X0. Y0. Z200. B0. C0.", "N60 G1 X10. Z150. F200.",
            "N70 Y5.", "N80 G0 Z170.", "N90 M5", "N100 M9", "N110 M30", "%"}));
    EXPECT_FALSE(result.error);
    EXPECT_TRUE(result.warnings.empty());
    EXPECT_EQ(result.line_count, 15);
    EXPECT_EQ(result.record_count, 14);
    EXPECT_EQ(result.block_count, 11);
    EXPECT_EQ(result.rapid_moves, 2);
    EXPECT_EQ(result.feed_moves, 2);
    // The FROM move has no known start; then a rapid of 20 at 15000, feed 50.99 + 5 at 200.
    EXPECT_NEAR(result.machining_minutes, 20.0 / 15000 + (std::sqrt(2600.0) + 5) / 200, 1e-9);
    EXPECT_NE(result.listing.find("     9  GOTO/10,5,  0\r\n          N70 Y5.\r\n"),
              std::string::npos)
        << result.listing;
}

TEST(PostProcessor, ConvertsClUnitsToTheMachinesUnits) {
    const PostResult inch_cl =
        post_process(cl({"UNITS/INCHES", "LOADTL/1,LENGTH,2", "FEDRAT/10", "FROM/1,2,0.5",
                         "GOTO/1,2,0", "FEDRAT/500,MMPM", "GOTO/1,3,0", "FINI"}),
                     machine(), "I.APT");
    EXPECT_NE(inch_cl.nc_program.find("N30 G0 X25.4 Y50.8 Z63.5 B0. C0.\r\n"
                                      "N40 G1 Z50.8 F254.\r\n"
                                      "N50 Y76.2 F500.\r\n"),
              std::string::npos)
        << inch_cl.nc_program;

    MachineSettings inch_machine = machine();
    inch_machine.units = Units::inch;
    const PostResult mm_cl =
        post_process(cl({"UNITS/MM", "FROM/25.4,-12.7,0.00254", "FINI"}), inch_machine, "M.APT");
    EXPECT_NE(mm_cl.nc_program.find("N10 G90 G94 G17 G20\r\nN20 G0 X1. Y-0.5 Z0.0001 B0. C0.\r\n"),
              std::string::npos)
        << mm_cl.nc_program;
}

TEST(PostProcessor, FiveAxisMovesAtThePivotPointWithHeadAngles) {
    // Axis tilted 30 degrees towards +Y: B30 C90; pivot = tip + (50 + 100) x axis.
    const PostResult result = post_process(
        cl({"LOADTL/1,LENGTH,50", "MULTAX/ON", "RAPID", "GOTO/10,0,0,0,0.5,0.8660254037844386",
            "FEDRAT/100", "GOTO/20,0,0", "MULTAX/OFF", "RAPID", "GOTO/20,0,10", "FINI"}),
        machine(100), "F.APT");
    EXPECT_NE(result.nc_program.find("N30 G0 X10. Y75. Z129.904 B30. C90.\r\n"
                                     "N40 G1 X20. F100.\r\n"
                                     "N50 G0 Y0. Z160. B0.\r\n"),
              std::string::npos)
        << result.nc_program;
}

TEST(PostProcessor, InverseTimeFeedAsTheCalculatorsWorkedExample) {
    // Previous 2, 0, 1.5 at B0; current 3, 1, 2 at B30; feed 40: FRN 18.248.
    const std::string moves = cl(
        {"FEDRAT/40", "FROM/2,0,1.5", "GOTO/3,1,2,0.5,0,0.8660254037844386", "GOTO/4,1,2", "FINI"});
    const PostResult inverse = post_process(moves, machine(), "W.APT");
    EXPECT_NE(inverse.nc_program.find("N30 G93 G1 X3. Y1. Z2. B30. F18.248\r\n"
                                      "N40 G94 X4. F40.\r\n"),
              std::string::npos)
        << inverse.nc_program;
    EXPECT_EQ(inverse.inverse_time_moves, 1);
    EXPECT_EQ(inverse.feed_moves, 1);

    MachineSettings per_minute = machine();
    per_minute.inverse_time = false;
    EXPECT_NE(post_process(moves, per_minute, "W.APT")
                  .nc_program.find("N30 G1 X3. Y1. Z2. B30. F40.\r\nN40 X4.\r\n"),
              std::string::npos);
}

TEST(PostProcessor, EveryFaultStopsAtTheLastGoodBlockWithItsLine) {
    const std::string good_blocks = cl(
        {"%", "(MILL5X BAD.APT)", "N10 G90 G94 G17 G21", "(BAD)", "N20 G0 X0. Y0. Z10. B0. C0."});
    const struct {
        const char* record;
        const char* message;
    } cases[] = {
        {"GOTOO/1,2,3", "unknown major word 'GOTOO'"},
        {"GOTO/1,2.5.1,3", "GOTO: malformed number '2.5.1'"},
        {"GOTO/1,2,3,0", "GOTO takes x, y, z or x, y, z, i, j, k, not 4 values"},
        {"GOTO/1,A,3", "GOTO: value 2 must be a number, not 'A'"},
        {"GOTO/1,0,10", "no feed rate for this cutting move: FEDRAT is missing"},
        {"GOTO/1,0,10,0,0,0", "the tool axis 0, 0, 0 has no direction"},
        {"GOTO/1,0,10,0,0,-1", "the tool axis needs head angles beyond the B or C limits"},
        {"GODLTA/1,2", "GODLTA takes dx, dy, dz or d, not 2 values"},
        {"SPINDL/ON", "SPINDL: no speed given yet"},
        {"SPINDL/100,FAST", "SPINDL: unknown minor word 'FAST'"},
        {"SPINDL/0", "SPINDL: the speed must be greater than zero"},
        {"COOLNT/HOT", "COOLNT: unknown minor word 'HOT'"},
        {"COOLNT", "COOLNT takes one minor word"},
        {"UNITS/CM", "UNITS: unknown minor word 'CM'"},
        {"LOADTL/0", "LOADTL: the tool must be a whole number from 1 to 9999"},
        {"LOADTL/1,LENGTH", "LOADTL: value 3 is missing"},
        {"FEDRAT/0", "FEDRAT: the feed must be greater than zero"},
        {"FEDRAT/IPM", "FEDRAT: the feed is missing"},
        {"RAPID/1", "RAPID takes no values"},
        {"MULTAX/YES", "MULTAX: unknown minor word 'YES'"},
    };
    for (const auto& c : cases) {
        const PostResult result =
            post_process(cl({"PARTNO BAD", "FROM/0,0,10", c.record, "GOTO/5,5,5", "FINI"}),
                         machine(), "BAD.APT");
        ASSERT_TRUE(result.error) << c.record;
        EXPECT_EQ(result.error->line, 3) << c.record;
        EXPECT_EQ(result.error->message, c.message) << c.record;
        EXPECT_EQ(result.nc_program, good_blocks) << c.record;
        EXPECT_NE(result.listing.find(std::string("*** error: ") + c.message), std::string::npos)
            << c.record;
    }
}

TEST(PostProcessor, AnUnfinishedFileIsAnErrorAfterItsLastLine) {
    const PostResult no_fini = post_process(cl({"FROM/0,0,10", "END"}), machine(), "A.APT");
    ASSERT_TRUE(no_fini.error);
    EXPECT_EQ(no_fini.error->line, 3);
    EXPECT_EQ(no_fini.error->message, "the file ends without FINI");

    const PostResult dangling = post_process("FROM/0,0,10\nGOTO/1,$\n2,$\n", machine(), "A.APT");
    ASSERT_TRUE(dangling.error);
    EXPECT_EQ(dangling.error->line, 2);
    EXPECT_EQ(dangling.error->message, "the file ends inside a record continued with '$'");
    EXPECT_EQ(dangling.nc_program.find("M30"), std::string::npos);

    const PostResult empty = post_process("", machine(), "A.APT");
    ASSERT_TRUE(empty.error);
    EXPECT_EQ(empty.error->line, 1);
}

TEST(PostProcessor, WarnsAndCarriesOn) {
    const PostResult result =
        post_process(cl({"SPINDL/20000", "FEDRAT/9000", "FROM/0,0,0,0,0,2", "GOTO/1,0,0", "END",
                         "GOTO/2,0,0", "FINI", "GOTO/3,0,0"}),
                     machine(), "W.APT");
    EXPECT_FALSE(result.error);
    ASSERT_EQ(result.warnings.size(), 5u);
    EXPECT_EQ(result.warnings[0].line, 1);
    EXPECT_EQ(result.warnings[0].message, "SPINDL: speed 20000 limited to MAX_SPINDLE");
    EXPECT_EQ(result.warnings[1].message, "FEDRAT: feed limited to MAX_FEED");
    EXPECT_EQ(result.warnings[2].message, "the tool axis is not a unit vector: normalised");
    EXPECT_EQ(result.warnings[3].line, 6);
    EXPECT_EQ(result.warnings[3].message, "GOTO after END is ignored");
    EXPECT_EQ(result.warnings[4].line, 8);
    EXPECT_EQ(result.warnings[4].message, "text after FINI is ignored");
    EXPECT_NE(result.nc_program.find("N20 S12000 M3\r\nN30 G0 X0. Y0. Z0. B0. C0.\r\n"
                                     "N40 G1 X1. F8000.\r\nN50 M5\r\nN60 M30\r\n%\r\n"),
              std::string::npos)
        << result.nc_program;
    EXPECT_EQ(result.nc_program.find("X2."), std::string::npos);
}

TEST(SyntaxHelp, EveryWordItListsIsOneThePostProcessorKnows) {
    std::string list = syntax_help("");
    for (const MajorWord& word : major_words()) {
        EXPECT_NE(list.find("  " + std::string(word.name) + "\n"), std::string::npos) << word.name;
        const PostResult result = post_process(std::string(word.name) + "\n", machine(), "H.APT");
        const std::string message = result.error ? result.error->message : "";
        EXPECT_EQ(message.find("unknown major word"), std::string::npos) << word.name;
    }
    EXPECT_EQ(syntax_help("goto").substr(0, 12), "GOTO/x, y, z");
    EXPECT_EQ(syntax_help("XYZ").rfind("MILL5X does not know the major word XYZ.", 0), 0u);
}

} // namespace
} // namespace mill5x
