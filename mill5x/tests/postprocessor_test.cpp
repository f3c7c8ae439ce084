#include "postprocessor.h"
#include "status_report.h"
#include "syntax_help.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mill5x {
namespace {

using machine::Units;

// The CL lines joined as a file holds them.
std::string cl(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines)
        text += std::string(line) + "\r\n";
    return text;
}

// Then the rapid of 20 at 15000 and feeds of 50.99 and 5 at 200 take 0.28 min.
TEST(PostProcessor, ASmallClFileGivesExactlyThisProgram) {
    const PostText result = post_process(
        cl({"PARTNO test part (side 1)", "UNITS/MM", "LOADTL/3,LENGTH,50", "SPINDL/RPM,2500,CLW",
            "COOLNT/ON", "PAINT/COLOR,3", "FROM/0,0,50", "FEDRAT/200", "GOTO/10,0,0",
            "GOTO/10,5,$  continued", "  0", "GOTO/10,5,0 $$ already there: no block", "RAPID",
            "GODLTA/0,0,20", "END", "FINI"}),
        machine::Settings{.pivot_distance = 100}, "T.APT");
    EXPECT_EQ(
        result.nc_program,
        cl({"%", "(MILL5X T.APT)", "N10 G90 G94 G17 G21", "(TEST PART SIDE 1)", "N20 T3 M6",
            "N30 S2500 M3", "N40 M8", "N50 G0 X0. Y0. Z200. B0. C0.", "N60 G1 X10. Z150. F200.",
            "N70 Y5.", "N80 G0 Z170.", "N90 M5", "N100 M9", "N110 M30", "%"}));
    EXPECT_EQ(status_report(result, "T.APT", "T.NC1"),
              "MILL5X status of T.APT\r\n\r\n"
              "Result:          complete\r\nNC program:      T.NC1\r\nCL lines:        16\r\n"
              "CL records:      15\r\nNC blocks:       11\r\nRapid moves:     2\r\n"
              "Feed moves:      2\r\nInverse time:    0\r\n"
              "Machining time:  0.28 min (estimate)\r\nWarnings:        1\r\nErrors:          0\r\n"
              "\r\nline 6: warning: PAINT is passed by\r\n");
    for (const char* listed : {"     6  PAINT/COLOR,3\r\n          *** warning: PAINT is passed by",
                               "    10  GOTO/10,5,  0\r\n          N70 Y5.\r\n"})
        EXPECT_NE(result.listing.find(listed), std::string::npos) << result.listing;
}

// Each fragment follows FEDRAT/100 and FROM/10,0,0 (lines 1 and 2, block N20) and gives these
// blocks from N30 and these status lines; a fault ends the program with the last good block.
TEST(PostProcessor, ClFragmentsGiveTheseBlocks) {
    static constexpr const char *stop = "N20 G0 X10. Y0. Z0. B0. C0.\r\n",
                                *ok = "Errors:          0\r\n";
    const machine::Settings inch{.units = Units::inch}, pivot_100{.pivot_distance = 100},
        per_minute{.inverse_time = false};
    const struct {
        std::string cl;
        const char* blocks;
        const char* status = ok;
        machine::Settings machine = {};
    } cases[] = {
        // An axis 30 degrees towards +Y is B30 C90, pivot = tip + (50 + 100) x axis; from 2, 0,
        // 1.5 at B0 to 3, 1, 2 at B30 at feed 40 is FRN 18.248 (the inverse-time worked example).
        {"from / .25, -2, +3e1 ", "N30 X0.25 Y-2. Z30.\r\n"},
        {"UNITS/INCHES\nLOADTL/1,LENGTH,2\nFEDRAT/10\nFROM/1,2,0.5\nGOTO/1,2,0\n"
         "FEDRAT/500,MMPM\nGOTO/1,3,0",
         "N40 X25.4 Y50.8 Z63.5\r\nN50 G1 Z50.8 F254.\r\nN60 Y76.2 F500.\r\n"},
        {"UNITS/MM\nFROM/25.4,-12.7,0.00254",
         "G20\r\nN20 G0 X10. Y0. Z0. B0. C0.\r\nN30 X1. Y-0.5 Z0.0001\r\n", ok, inch},
        {"LOADTL/1,LENGTH,50\nMULTAX/ON\nRAPID\nGOTO/10,0,0,0,0.5,0.8660254037844386\n"
         "FEDRAT/100\nGOTO/20,0,0\nMULTAX/OFF\nRAPID\nGOTO/20,0,10",
         "N40 Y75. Z129.904 B30. C90.\r\nN50 G1 X20. F100.\r\nN60 G0 Y0. Z160. B0.\r\n", ok,
         pivot_100},
        {"FEDRAT/40\nFROM/2,0,1.5\nGOTO/3,1,2,0.5,0,0.8660254037844386\nGOTO/4,1,2",
         "N30 X2. Z1.5\r\nN40 G93 G1 X3. Y1. Z2. B30. F18.248\r\nN50 G94 X4. F40.\r\n"},
        {"FEDRAT/40\nFROM/2,0,1.5\nGOTO/3,1,2,0.5,0,0.8660254037844386\nGOTO/4,1,2",
         "N40 G1 X3. Y1. Z2. B30. F40.\r\nN50 X4.\r\n", ok, per_minute},
        {"CIRCLE/0,0,0,0,0,1,10\nGOTO/0,10,0", "N30 G3 X0. Y10. I-10. J0. F100.\r\n"},
        {"CIRCLE/0,0,0,0,0,-1,10,0.01,0.5\nGOTO/-10,0,0", "N30 G2 X-10. Y0. I-10. J0. F100."},
        {"CIRCLE/0,0,0,0,-1,0,10\nGOTO/0,0,10", "N30 G18 G2 X0. Z10. I-10. K0. F100.\r\n"},
        {"CIRCLE/0,0,0,0,1,0,10\nGOTO/-10,0,0", "N30 G18 G3 X-10. Z0. I-10. K0. F100.\r\n"},
        {"CIRCLE/10,0,10,1,0,0,10\nGOTO/10,0,20", "N30 G19 G3 Y0. Z20. J0. K10. F100.\r\n"},
        {"CIRCLE/10,0,10,-1,0,0,10\nGOTO/10,0.001,0", // within the tolerance: full circle
         "N30 G19 G2 Y0.001 Z0. J0. K10. F100.\r\n"},
        {"CIRCLE/0,0,5,0,0,1,10\nGOTO/-10,0,-4", "N30 G3 X-10. Y0. Z-4. I-10. J0. F100."},
        {"CYCLE/DRILL,5,MMPM,50,2\nGOTO/20,0,0\nGOTO/30,0,0\nCYCLE/OFF\nGOTO/40,0,0",
         "N30 G81 G99 X20. Y0. Z-5. R2. F50.\r\nN40 G81 G99 X30. Y0. Z-5. R2. F50.\r\n"
         "N50 G80\r\nN60 G1 X40. Z0. F100.\r\n"},
        {"CYCLE/DEEP,DEPTH,12,STEP,3,CLEAR,1,RETRCT,20\nGOTO/20,0,0",
         "N30 Z20.\r\nN40 G83 G98 X20. Y0. Z-12. R1. Q3. F100.\r\n"},
        {"CYCLE/TAP,10,IPM,2,5\nGOTO/20,0,0", "N30 G84 G99 X20. Y0. Z-10. R5. F50.8\r\n"},
        {"CYCLE/BORE,DEPTH,8,FEDRAT,30,CLEAR,2\nGOTO/20,0,0\nEND",
         "N30 G85 G99 X20. Y0. Z-8. R2. F30.\r\nN40 G80\r\nN50 M30\r\n"},
        {"CUTCOM/LEFT,1\nGOTO/20,0,0\nCUTCOM/OFF\nGOTO/30,0,0\nCUTCOM/RIGHT\nGOTO/0,0,0",
         "N30 G1 G41 D1 X20. F100.\r\nN40 G40 X30.\r\nN50 G42 X0.\r\n"},
        {"PPRINT/'ROUGHING (10 MM)'\nPARTNO/'BRACKET'\nINSERT/G53 Z0 $$ to the top\nPPRINT",
         "\r\n(ROUGHING 10 MM)\r\n(BRACKET)\r\nG53 Z0\r\nN30 M30\r\n"},
        // An operation turned a quarter about Z and moved 100 along X.
        {"MSYS/100,0,0,0,1,0,-1,0,0\nGOTO/10,0,0\nGODLTA/0,5,0",
         "N30 G1 X100. Y10. F100.\r\nN40 X95.\r\n"},
        // Another dialect: what need not be translated is passed by, one status line a word
        // with its count, and the file's end stands in for the missing FINI.
        {"TOOL PATH/ROUGH-1,TOOL,EM10\nPAINT/COLOR,3\nPAINT/SPEED,10\n/1,2\nWHIRL\nEND-OF-PATH",
         "N20 G0 X10. Y0. Z0. B0. C0.\r\nN30 M30\r\n%\r\n",
         "Warnings:        7\r\nErrors:          0\r\n\r\n"
         "line 3: warning: TOOL PATH is passed by\r\n"
         "line 4: warning: PAINT is passed by (2 times)\r\n"
         "line 6: warning: a record without a major word is passed by\r\n"
         "line 7: warning: unknown major word 'WHIRL' is passed by\r\n"
         "line 8: warning: END-OF-PATH is passed by\r\n"
         "line 9: warning: the file ends without FINI: the NC program is ended as by FINI\r\n"},
        {"SPINDL/20000\nFEDRAT/9000\nGOTO/1,0,0,0,0,2\nEND\nGOTO/2,0,0\nFINI\nGOTO/3,0,0",
         "N30 S12000 M3\r\nN40 G1 X1. F8000.\r\nN50 M5\r\nN60 M30\r\n%\r\n",
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
        {"CYCLE/DEEP,5,MMPM,50,2", stop,
         "line 3: error: CYCLE/DEEP: STEP, the depth of each peck, must be given and positive"},
        {"CYCLE/DRILL,5,MMPM,50,2\nGOTO/5,5,5,0,1,1", stop,
         "line 4: error: a drilling cycle needs the tool along +Z, from a known position"},
    };
    for (const auto& c : cases) {
        const std::string text = "FEDRAT/100\nFROM/10,0,0\n" + c.cl + "\n";
        const PostText result = post_process(text, c.machine, "T.APT");
        const std::string status = status_report(result, "T.APT", "T.NC1");
        EXPECT_NE(status.find(c.status), std::string::npos) << text << "gave\n" << status;
        EXPECT_TRUE(result.error ? result.nc_program.ends_with(c.blocks)
                                 : result.nc_program.find(c.blocks) != std::string::npos)
            << text << "gave\n"
            << result.nc_program;
    }
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
