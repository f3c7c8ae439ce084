#include "postprocessor.h"
#include "status_report.h"
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

TEST(PostProcessor, ASmallClFileGivesExactlyThisProgram) {
    const PostResult result = post_process(
        cl({"PARTNO test part (side 1)", "UNITS/MM", "LOADTL/3,LENGTH,50", "SPINDL/RPM,2500,CLW",
            "COOLNT/ON", "FROM/0,0,50", "FEDRAT/200", "GOTO/10,0,0", "GOTO/10,5,$  continued",
            "  0", "GOTO/10,5,0 $$ already there: no block", "RAPID", "GODLTA/0,0,20", "END",
            "FINI"}),
        MachineSettings{.pivot_distance = 100}, "T.APT");
    EXPECT_EQ(
        result.nc_program,
        cl({"%", "(MILL5X T.APT)", "N10 G90 G94 G17 G21", "(TEST PART SIDE 1)", "N20 T3 M6",
            "N30 S2500 M3", "N40 M8", "N50 G0 X0. Y0. Z200. B0. C0.", "N60 G1 X10. Z150. F200.",
            "N70 Y5.", "N80 G0 Z170.", "N90 M5", "N100 M9", "N110 M30", "%"}));
    EXPECT_EQ(
        status_report(result, "T.APT", "T.NC1"),
        "MILL5X status of T.APT\r\n\r\n"
        "Result:          complete\r\nNC program:      T.NC1\r\nCL lines:        15\r\n"
        "CL records:      14\r\nNC blocks:       11\r\nRapid moves:     2\r\n"
        "Feed moves:      2\r\nInverse time:    0\r\n"
        "Machining time:  0.28 min (estimate)\r\nWarnings:        0\r\nErrors:          0\r\n");
    // The FROM move has no known start; then a rapid of 20 at 15000, feed 50.99 + 5 at 200.
    EXPECT_NEAR(result.machining_minutes, 20.0 / 15000 + (std::sqrt(2600.0) + 5) / 200, 1e-9);
    EXPECT_NE(result.listing.find("     9  GOTO/10,5,  0\r\n          N70 Y5.\r\n"),
              std::string::npos)
        << result.listing;
}

// Each CL text gives these consecutive blocks on this machine.
TEST(PostProcessor, NumbersUnitsFiveAxisMovesAndInverseTimeFeeds) {
    // The inverse-time calculator's worked example: from 2, 0, 1.5 at B0 to 3, 1, 2 at B30
    // at feed 40 is FRN 18.248.
    const std::string worked_example = cl(
        {"FEDRAT/40", "FROM/2,0,1.5", "GOTO/3,1,2,0.5,0,0.8660254037844386", "GOTO/4,1,2", "FINI"});
    const struct {
        std::string cl;
        MachineSettings machine;
        const char* blocks;
    } cases[] = {
        {cl({"from / .25, -2, +3e1 ", "FINI"}), {}, "N20 G0 X0.25 Y-2. Z30. B0. C0.\r\n"},
        {cl({"UNITS/INCHES", "LOADTL/1,LENGTH,2", "FEDRAT/10", "FROM/1,2,0.5", "GOTO/1,2,0",
             "FEDRAT/500,MMPM", "GOTO/1,3,0", "FINI"}),
         {},
         "N30 G0 X25.4 Y50.8 Z63.5 B0. C0.\r\nN40 G1 Z50.8 F254.\r\nN50 Y76.2 F500.\r\n"},
        {cl({"UNITS/MM", "FROM/25.4,-12.7,0.00254", "FINI"}),
         {.units = Units::inch},
         "N10 G90 G94 G17 G20\r\nN20 G0 X1. Y-0.5 Z0.0001 B0. C0.\r\n"},
        // Axis tilted 30 degrees towards +Y: B30 C90; pivot = tip + (50 + 100) x axis.
        {cl({"LOADTL/1,LENGTH,50", "MULTAX/ON", "RAPID", "GOTO/10,0,0,0,0.5,0.8660254037844386",
             "FEDRAT/100", "GOTO/20,0,0", "MULTAX/OFF", "RAPID", "GOTO/20,0,10", "FINI"}),
         {.pivot_distance = 100},
         "N30 G0 X10. Y75. Z129.904 B30. C90.\r\nN40 G1 X20. F100.\r\nN50 G0 Y0. Z160. B0.\r\n"},
        {worked_example, {}, "N30 G93 G1 X3. Y1. Z2. B30. F18.248\r\nN40 G94 X4. F40.\r\n"},
        {worked_example, {.inverse_time = false}, "N30 G1 X3. Y1. Z2. B30. F40.\r\nN40 X4.\r\n"},
    };
    for (const auto& c : cases) {
        const std::string program = post_process(c.cl, c.machine, "T.APT").nc_program;
        EXPECT_NE(program.find(c.blocks), std::string::npos) << c.cl << "gave\n" << program;
    }
}

TEST(PostProcessor, EveryFaultStopsAtTheLastGoodBlockWithItsLine) {
    const std::string good_blocks = cl(
        {"%", "(MILL5X BAD.APT)", "N10 G90 G94 G17 G21", "(BAD)", "N20 G0 X0. Y0. Z10. B0. C0."});
    const struct {
        const char* record; // on line 3, after two good records
        const char* message;
        int line = 3;
        const char* rest = "GOTO/5,5,5\r\nFINI\r\n";
    } cases[] = {
        {"GOTOO/1,2,3", "unknown major word 'GOTOO'"},
        {"/1,2,3", "statement does not begin with a major word: '/1,2,3'"},
        {"GOTO/1,2.5.1,3", "GOTO: malformed number '2.5.1'"},
        {"GOTO/1,2x,3", "GOTO: malformed number '2x'"},
        {"GOTO/1,-inf,3", "GOTO: malformed number '-inf'"},
        {"GOTO/1,1e999,3", "GOTO: malformed number '1e999'"},
        {"GOTO/1,1000000,3", "GOTO: number out of range '1000000'"},
        {"GOTO/1,,3", "GOTO: a value is missing between commas"},
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
        {"FEDRAT/MM-PM", "FEDRAT: malformed word 'MM-PM'"},
        {"RAPID/1", "RAPID takes no values"},
        {"MULTAX/YES", "MULTAX: unknown minor word 'YES'"},
        {"END NOW", "END: unexpected text 'NOW'"},
        {"RAPID", "the file ends without FINI", 4, ""},
        {"GOTO/1,$", "the file ends inside a record continued with '$'", 3, "2,$\r\n"},
    };
    for (const auto& c : cases) {
        const PostResult result =
            post_process("PARTNO BAD\r\nFROM/0,0,10\r\n" + std::string(c.record) + "\r\n" + c.rest,
                         MachineSettings{}, "BAD.APT");
        EXPECT_NE(
            status_report(result, "BAD.APT", "BAD.NC1")
                .find("\r\nline " + std::to_string(c.line) + ": error: " + c.message + "\r\n"),
            std::string::npos)
            << c.record;
        EXPECT_EQ(result.nc_program, good_blocks) << c.record;
        EXPECT_NE(result.listing.find(std::string("*** error: ") + c.message +
                                      " - the NC program stops here"),
                  std::string::npos)
            << result.listing;
    }
}

TEST(PostProcessor, WarnsAndCarriesOn) {
    const PostResult result =
        post_process(cl({"SPINDL/20000", "FEDRAT/9000", "FROM/0,0,0,0,0,2", "GOTO/1,0,0", "END",
                         "GOTO/2,0,0", "FINI", "GOTO/3,0,0"}),
                     MachineSettings{}, "W.APT");
    const std::string status = status_report(result, "W.APT", "W.NC1");
    EXPECT_NE(status.find("Errors:          0\r\n\r\n"
                          "line 1: warning: SPINDL: speed 20000 limited to MAX_SPINDLE\r\n"
                          "line 2: warning: FEDRAT: feed limited to MAX_FEED\r\n"
                          "line 3: warning: the tool axis is not a unit vector: normalised\r\n"
                          "line 6: warning: GOTO after END is ignored\r\n"
                          "line 8: warning: text after FINI is ignored\r\n"),
              std::string::npos)
        << status;
    EXPECT_NE(result.nc_program.find("N20 S12000 M3\r\nN30 G0 X0. Y0. Z0. B0. C0.\r\n"
                                     "N40 G1 X1. F8000.\r\nN50 M5\r\nN60 M30\r\n%\r\n"),
              std::string::npos)
        << result.nc_program;
}

TEST(SyntaxHelp, EveryWordItListsIsOneThePostProcessorKnows) {
    std::string list = syntax_help("");
    for (const MajorWord& word : major_words()) {
        EXPECT_NE(list.find("  " + std::string(word.name) + "\n"), std::string::npos) << word.name;
        const PostResult result =
            post_process(std::string(word.name) + "\n", MachineSettings{}, "H.APT");
        const std::string message = result.error ? result.error->message : "";
        EXPECT_EQ(message.find("unknown major word"), std::string::npos) << word.name;
    }
    EXPECT_EQ(syntax_help("goto").substr(0, 12), "GOTO/x, y, z");
    EXPECT_EQ(syntax_help("XYZ").rfind("MILL5X does not know the major word XYZ.", 0), 0u);
}

} // namespace
} // namespace mill5x
