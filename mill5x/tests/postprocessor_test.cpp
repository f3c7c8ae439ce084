#include "fragments.h"
#include "syntax_help.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mill5x {
namespace {

using testing::after_the_start;
using testing::Fragment;

// The CL lines joined as a file holds them.
std::string cl(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines)
        text += std::string(line) + "\r\n";
    return text;
}

// A safe start (program number, safety block, what it was made for, the tools), a tool change
// (spindle and coolant off, retract, T M6 with the tool's length, the approach from above) and
// a safe end (retract, rotary axes at zero, M30). The feed of 200 takes 0.25 + 0.025 min.
TEST(PostProcessor, ASmallClFileGivesExactlyThisProgram) {
    const machine::Settings settings{.pivot_distance = 100};
    const PostText result = post_process(
        cl({"PARTNO test part (side 1)", "UNITS/MM", "LOADTL/3,LENGTH,50,ADJUST,3",
            "SPINDL/RPM,2500,CLW", "COOLNT/ON", "PAINT/COLOR,3", "FROM/0,0,50", "FEDRAT/200",
            "GOTO/10,0,0", "GOTO/10,5,$  continued", "  0",
            "GOTO/10,5,0 $$ already there: no block", "RAPID", "GODLTA/0,0,20", "END", "FINI"}),
        settings, "T.APT");
    EXPECT_EQ(result.nc_program, cl({"%",
                                     "O1000",
                                     "(MILL5X T.APT)",
                                     "(MACHINE HEAD_BC)",
                                     "(SETTINGS MILL5X.PPTABLE)",
                                     "(T3 LENGTH 50. H3 - 0.28 MIN)",
                                     "N10 G17 G21 G40 G49 G80 G90 G94 G54",
                                     "(TEST PART SIDE 1)",
                                     "N20 M5",
                                     "N30 M9",
                                     "N40 G53 Z0.",
                                     "N50 T3 M6",
                                     "(T3 LENGTH 50. H3)",
                                     "N60 S2500 M3",
                                     "N70 M8",
                                     "N80 G0 B0. C0.",
                                     "N90 X0. Y0.",
                                     "N100 Z200.",
                                     "N110 G1 X10. Z150. F200.",
                                     "N120 Y5.",
                                     "N130 G0 Z170.",
                                     "N140 M5",
                                     "N150 M9",
                                     "N160 G53 Z0.",
                                     "N170 M30",
                                     "%"}));
    const std::string status = status_report(result, settings, {"T.APT", "T.NC1", "M.pptable"});
    for (const char* part :
         {"Result:          complete\r\nNC program:      T.NC1\r\n"
          "Machine:         HEAD_BC, settings M.pptable\r\nCL lines:        16\r\n",
          "Machining time:  0.28 min (estimate: feed 0.28, inverse time 0.00, rapid 0.00, "
          "dwell 0.00)\r\n",
          "Check: 5 positions, worst tip deviation 0.0000 mm (NC line 18, CL line 7)",
          "T3      50.000      H3        12 to 26          0.28 min\r\n",
          "Z     150.        200.        none\r\n", "line 6: warning: PAINT is passed by\r\n"})
        EXPECT_NE(status.find(part), std::string::npos) << part << "\nin\n" << status;
    for (const char* listed : {"     6  PAINT/COLOR,3\r\n          *** warning: PAINT is passed by",
                               "    10  GOTO/10,5,  0\r\n          N120 Y5.\r\n"})
        EXPECT_NE(result.listing.find(listed), std::string::npos) << result.listing;
}

TEST(PostProcessor, ClFragmentsGiveTheseBlocks) {
    const char* stop = after_the_start;
    const machine::Settings inch{.units = machine::Units::inch}, pivot_100{.pivot_distance = 100},
        per_minute{.inverse_time = false};
    const Fragment fragments[] = {
        {"from / .25, -2, +3e1 ", "N50 X0.25 Y-2. Z30.\r\n"},
        {"UNITS/INCHES\nLOADTL/1,LENGTH,2\nFEDRAT/10\nFROM/1,2,0.5\nGOTO/1,2,0\n"
         "FEDRAT/500,MMPM\nGOTO/1,3,0",
         "N80 T1 M6\r\n(T1 LENGTH 50.8)\r\nN90 G0 X25.4 Y50.8\r\nN100 Z63.5\r\n"
         "N110 G1 Z50.8 F254.\r\nN120 Y76.2 F500.\r\n"},
        {"UNITS/MM\nFROM/25.4,-12.7,0.00254", "N50 X1. Y-0.5 Z0.0001\r\n", {}, inch},
        // An axis 30 degrees towards +Y is B30 C90, pivot = tip + (50 + 100) x axis.
        {"LOADTL/1,LENGTH,50\nMULTAX/ON\nRAPID\nGOTO/10,0,0,0,0.5,0.8660254037844386\n"
         "FEDRAT/100\nGOTO/20,0,0\nMULTAX/OFF\nRAPID\nGOTO/20,0,10",
         "N90 G0 B30. C90.\r\nN100 Y75.\r\nN110 Z129.904\r\nN120 G1 X20. F100.\r\n"
         "N130 G0 Y0. Z160. B0.\r\n",
         {},
         pivot_100},
        // Inverse time by hand: the tip moves 10 at 100 per minute, 0.1 min, so F10, while the
        // pivot point 150 up the axis travels 12.618 as the head tilts by 1 degree.
        {"LOADTL/1,LENGTH,50\nGOTO/0,0,0,0,0,1\nGOTO/10,0,0,0.0174524064,0,0.9998476952",
         "N110 G93 X12.618 Z149.977 B1. F10.\r\n",
         {},
         pivot_100},
        // Per minute the control moves the pivot point at F, between the positions as
        // written: from Z150. to X12.618 Z149.977, 12.61802 in 0.1 min.
        {"LOADTL/1,LENGTH,50\nGOTO/0,0,0,0,0,1\nGOTO/10,0,0,0.0174524064,0,0.9998476952",
         "N110 X12.618 Z149.977 B1. F126.18\r\n",
         {},
         machine::Settings{.pivot_distance = 100, .inverse_time = false}},
        {"CIRCLE/0,0,0,0,0,1,10\nGOTO/0,10,0", "N50 G3 X0. Y10. I-10. J0. F100.\r\n"},
        {"CIRCLE/0,0,0,0,0,-1,10,0.01,0.5\nGOTO/-10,0,0", "N50 G2 X-10. Y0. I-10. J0. F100."},
        {"CIRCLE/0,0,0,0,-1,0,10\nGOTO/0,0,10", "N50 G18 G2 X0. Z10. I-10. K0. F100.\r\n"},
        {"CIRCLE/0,0,0,0,1,0,10\nGOTO/-10,0,0", "N50 G18 G3 X-10. Z0. I-10. K0. F100.\r\n"},
        {"CIRCLE/10,0,10,1,0,0,10\nGOTO/10,0,20", "N50 G19 G3 Y0. Z20. J0. K10. F100.\r\n"},
        {"CIRCLE/10,0,10,-1,0,0,10\nGOTO/10,0.001,0", // within the tolerance: full circle
         "N50 G19 G2 Y0.001 Z0. J0. K10. F100.\r\n"},
        {"CIRCLE/0,0,5,0,0,1,10\nGOTO/-10,0,-4", "N50 G3 X-10. Y0. Z-4. I-10. J0. F100."},
        {"CUTCOM/LEFT,1\nGOTO/20,0,0\nCUTCOM/OFF\nGOTO/30,0,0\nCUTCOM/RIGHT\nGOTO/0,0,0",
         "N50 G1 G41 D1 X20. F100.\r\nN60 G40 X30.\r\nN70 G42 X0.\r\n"},
        // The plane named as CAM systems write it, before or after the offset.
        {"CUTCOM/LEFT,XYPLAN,1\nGOTO/20,0,0\nCUTCOM/RIGHT,2,XYPLAN\nGOTO/30,0,0",
         "N50 G1 G41 D1 X20. F100.\r\nN60 G42 D2 X30.\r\n"},
        {"CUTCOM/LEFT,ZXPLAN,1", stop,
         "line 3: error: CUTCOM: compensation in ZXPLAN is not written: only in XYPLAN"},
        // OFF with no move before the tool change: the control still compensates.
        {"CUTCOM/LEFT,1\nGOTO/20,0,0\nCUTCOM/OFF\nLOADTL/2",
         "N50 G1 G41 D1 X20. F100.\r\nN60 G40\r\nN70 M5\r\n"},
        {"PPRINT/'ROUGHING (10 MM)'\nPARTNO/'BRACKET'\nINSERT/G53 Z0 $$ to the top\nPPRINT\n"
         "CUTTER/6.8\nTOOL PATH/ROUGH-1,TOOL,EM10",
         "\r\n(ROUGHING 10 MM)\r\n(BRACKET)\r\nG53 Z0\r\n(CUTTER 6.8)\r\n"
         "(TOOL PATH ROUGH-1,TOOL,EM10)\r\nN50 M5\r\n"},
        // An operation turned a quarter about Z and moved 100 along X.
        {"MSYS/100,0,0,0,1,0,-1,0,0\nGOTO/10,0,0\nGODLTA/0,5,0",
         "N50 G1 X100. Y10. F100.\r\nN60 X95.\r\n"},
        // Another dialect: what need not be translated is passed by, one status line a word
        // with its count, and the file's end stands in for the missing FINI.
        {"MACHIN/MILL,1\nPAINT/COLOR,3\nPAINT/SPEED,10\n/1,2\nWHIRL\nEND-OF-PATH",
         "N40 Z0.\r\nN50 M5\r\nN60 M9\r\nN70 G53 Z0.\r\nN80 M30\r\n%\r\n",
         "Warnings:        7\r\nErrors:          0\r\n",
         {}},
        {"SPINDL/20000\nFEDRAT/9000\nGOTO/1,0,0,0,0,2\nEND\nGOTO/2,0,0\nFINI\nGOTO/3,0,0",
         "N50 S12000 M3\r\nN60 G1 X1. F8000.\r\nN70 M5\r\n",
         "line 3: warning: SPINDL: speed 20000 limited to MAX_SPINDLE\r\n"
         "line 4: warning: FEDRAT: feed limited to MAX_FEED\r\n"
         "line 5: warning: the tool axis is not a unit vector: normalised\r\n"
         "line 7: warning: GOTO after END is ignored\r\n"
         "line 9: warning: text after FINI is ignored\r\n"},
        {"GOTO/1,-inf,3", stop, "line 3: error: GOTO: malformed number '-inf'"},
        {"GOTO/1,1000000,3", stop, "line 3: error: GOTO: number out of range '1000000'"},
        {"GOTO/1,,3", stop, "line 3: error: GOTO: a value is missing between commas"},
        {"GOTO/1,A,3", stop, "line 3: error: GOTO: value 2 must be a number, not 'A'"},
        {"FEDRAT/MM-PM", stop, "line 3: error: FEDRAT: malformed word 'MM-PM'"},
        {"UNITS/CM", stop, "line 3: error: UNITS: unknown minor word 'CM'"},
        {std::string(100001, 'A'), stop, // refused before it takes all memory
         "line 3: error: the record is longer than 100000 characters"},
        {"GOTO/1,$\n2,$", stop, "line 3: error: the file ends inside a record continued"},
        {"SPINDL/ON", stop, "line 3: error: SPINDL: no speed given yet"},
        {"LOADTL/0", stop, "line 3: error: LOADTL: the tool must be a whole number"},
        {"FEDRAT/-5", stop, "line 3: error: FEDRAT: the feed must be greater than zero"},
        {"SPINDL/0.4", stop, "line 3: error: SPINDL: the speed must be at least 0.5 rpm"},
        {"FEDRAT/0.0004", stop, "line 3: error: FEDRAT: the feed is too small to be written"},
        {"GOTO/1,0,10,0,0,0", stop, "line 3: error: the tool axis 0, 0, 0 has no direction"},
        {"GOTO/1,0,10,0,0,-1", stop, "line 3: error: the tool axis needs head angles beyond"},
        {"MSYS/0,0,0,1,0,0,0,-1,0", stop, // its Z points down
         "line 3: error: MSYS: the head cannot reach the operation's Z direction"},
        {"CIRCLE/10,5,0,0,0,1,5\nGOTO/10,10.1,0", stop, // the start is on the circle
         "line 4: error: the arc's end X10. Y10.1 Z0. is 0.1 off its circle (centre X10. Y5. Z0., "
         "radius 5.)"},
        {"CIRCLE/10,5,0,1,1,0,5\nGOTO/5,5,5", stop,
         "line 4: error: the arc's axis is not along X, Y or Z"},
        {"CIRCLE/10,5,0,0,0,1,5\nFINI", stop,
         "line 4: error: FINI comes between the circle and the GOTO of the arc's end"},
        {"CIRCLE/10,5,0,0,0,1,5", stop, "line 4: error: the file ends before the GOTO"},
        {"LOADTL/2\nCIRCLE/10,5,0,0,0,1,5\nGOTO/10,10,0", "N80 T2 M6\r\n(T2 LENGTH 0.)\r\n",
         "line 5: error: an arc needs the tool at its start"},
    };
    testing::expect_fragments(fragments);
}

// The time estimate, part by part, by hand (each after FEDRAT/100 and FROM/10,0,0):
// - inverse time: the tip moves 10 at 100 a minute while the head tilts by 1 degree: 0.1;
// - a helix: half a turn of radius 10 dropping 4, sqrt((10 pi)^2 + 4^2) = 31.6698 at 100;
// - a drilling cycle: from R 2 above the hole to 5 deep at 50 (0.14); the 10 from X10 to
//   X20, the 2 up to R and the 7 back up to R at the rapid feed of 15000;
// - a dwell of 3 seconds: 0.05.
TEST(PostProcessor, TheTimeOfEachKindOfMove) {
    const struct {
        const char* cl;
        double PostResult::*part;
        double minutes;
        machine::Settings settings = {};
    } cases[] = {
        {"LOADTL/1,LENGTH,50\nGOTO/0,0,0,0,0,1\nGOTO/10,0,0,0.0174524064,0,0.9998476952",
         &PostResult::inverse_time_minutes, 0.1, machine::Settings{.pivot_distance = 100}},
        {"CIRCLE/0,0,5,0,0,1,10\nGOTO/-10,0,-4", &PostResult::feed_minutes, 0.316698},
        {"CYCLE/DRILL,5,MMPM,50,2\nGOTO/20,0,0", &PostResult::feed_minutes, 0.14 + 19.0 / 15000},
        {"DELAY/3", &PostResult::dwell_minutes, 0.05},
    };
    for (const auto& c : cases) {
        const PostText result = post_process(std::string("FEDRAT/100\nFROM/10,0,0\n") + c.cl + "\n",
                                             c.settings, "T.APT");
        EXPECT_NEAR(result.*c.part, c.minutes, 1e-5) << c.cl;
    }
}

// A file of millions of records that repeats a warning keeps it once; beyond 200 different
// ones only their count grows, and the status says how many it left out.
TEST(PostProcessor, TheStatusListsTwoHundredWarningsAndCountsTheRest) {
    std::string text = "FEDRAT/100\n";
    for (int word = 1; word <= 202; ++word)
        text += "WORD" + std::to_string(word) + "\nWORD" + std::to_string(word) + "\n";
    const PostText result = post_process(text + "FINI\n", {}, "T.APT");
    const std::string status = status_report(result, {}, {"T.APT", "T.NC1", "M.pptable"});
    EXPECT_NE(status.find("Warnings:        404\r\n"), std::string::npos) << status;
    EXPECT_NE(status.find("line 400: warning: unknown major word 'WORD200' is passed by (2 "
                          "times)\r\n4 more warnings of other kinds\r\n"),
              std::string::npos)
        << status;
}

// Every translated word has its help, and so have those passed by.
TEST(SyntaxHelp, CoversEveryWordItTranslates) {
    std::vector<std::string_view> helped;
    for (const MajorWord& word : major_words())
        helped.push_back(word.name);
    EXPECT_EQ(helped, std::vector(translated_words().begin(), translated_words().end()));
    EXPECT_EQ(syntax_help("paint").rfind("PAINT\n\nMILL5X passes PAINT by", 0), 0u);
    EXPECT_EQ(syntax_help("XYZ").rfind("MILL5X does not know the major word XYZ.", 0), 0u);
}

} // namespace
} // namespace mill5x
