#include "syntax_help.h"

#include "postprocessor.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace mill5x {

namespace {

constexpr std::array words{
    MajorWord{"PARTNO", "PARTNO text\nPARTNO/'text'\n\n"
                        "Names the part. The text becomes a comment of the NC program."},
    MajorWord{"PPRINT", "PPRINT text\nPPRINT/'text'\n\n"
                        "A remark for the operator: it becomes a comment of the NC program."},
    MajorWord{"INSERT", "INSERT/text\n\n"
                        "Writes the text into the NC program as it stands, unnumbered."},
    MajorWord{"CUTTER", "CUTTER/d, ...\n\nThe cutter's sizes: a comment of the NC program."},
    MajorWord{"TOOL PATH", "TOOL PATH/name, ...\n\nAn operation's start: a comment of the NC "
                           "program."},
    MajorWord{"TLDATA", "TLDATA/...\n\nThe tool's data: a comment of the NC program. The "
                        "tool length comes from the tool load."},
    MajorWord{"UNITS", "UNITS/MM\nUNITS/INCHES\nUNITS/INCH\n\n"
                       "The units of the CL values that follow. They are converted to the "
                       "machine's units (UNITS in the settings)."},
    MajorWord{"MULTAX", "MULTAX/ON\nMULTAX/OFF\n\n"
                        "Whether the GOTO records carry a tool axis. With MULTAX/OFF the tool "
                        "axis is set back to the Z of the operation's coordinate system (MSYS), "
                        "vertical without one."},
    MajorWord{"MSYS", "MSYS/x, y, z, xi, xj, xk, yi, yj, yk\n\n"
                      "The operation's coordinate system: its origin and the directions of its "
                      "X and Y axes in machine coordinates. The points and tool axes that follow "
                      "are turned and moved into the machine's; the tool axis is the "
                      "operation's Z until a GOTO gives one. Refused when the machine cannot "
                      "reach that Z direction."},
    MajorWord{"LOADTL",
              "LOADTL/tool\nLOADTL/tool, LENGTH, length, ADJUST, register\n\n"
              "Changes the tool: spindle and coolant off (M5, M9), the settings' "
              "RETRACT (G53 Z0.), T.. M6, and a comment with the tool's length and "
              "register (H). Where the head tilts, the length, tip to spindle face, moves "
              "every programmed point to the head's pivot point (without LENGTH the "
              "settings' TOOL_LENGTH); on TABLE_AC the control adds it (G43 H). The next move "
              "comes from above: the rotary axes turn, "
              "X and Y move over the point, then Z comes down. Other minor words are "
              "passed by with a warning."},
    MajorWord{"LOAD", "LOAD/TOOL, tool\nLOAD/TOOL, tool, ADJUST, register, LENGTH, length\n\n"
                      "The same as LOADTL."},
    MajorWord{"SELECT", "SELECT/TOOL, tool\n\nNames the next tool, so that the machine makes "
                        "it ready: T.. without M6."},
    MajorWord{"SPINDL", "SPINDL/speed\nSPINDL/RPM, speed, CLW, RANGE, r\nSPINDL/speed, CCLW\n"
                        "SPINDL/OFF\nSPINDL/ON\n\n"
                        "Starts the spindle clockwise (M3) or counter-clockwise (M4) at the "
                        "speed in rpm, stops it (M5), or starts it again as it last ran. RANGE "
                        "1 to 4 (or LOW, MEDIUM, HIGH) is the gear range M41 to M44."},
    MajorWord{"COOLNT", "COOLNT/ON\nCOOLNT/FLOOD\nCOOLNT/MIST\nCOOLNT/THRU\nCOOLNT/OFF\n\n"
                        "Flood coolant (M8), mist (M7), through the spindle (M88) or off (M9). "
                        "Another word is passed by with a warning."},
    MajorWord{"DELAY", "DELAY/seconds\n\nA dwell: G4 with P in milliseconds."},
    MajorWord{"OPSTOP", "OPSTOP\n\nOptional stop (M1)."},
    MajorWord{"STOP", "STOP\n\nProgram stop (M0)."},
    MajorWord{"END", "END\n\nEnds the NC program: spindle and coolant off, the settings' "
                     "RETRACT, the rotary axes back to zero, M30."},
    MajorWord{"FINI", "FINI\n\nThe last record of the CL file. Without END before it, FINI "
                      "ends the NC program as END does. A file without FINI is ended as if it "
                      "had one, with a warning."},
    MajorWord{"FEDRAT", "FEDRAT/feed\nFEDRAT/feed, MMPM\nFEDRAT/IPM, feed\nFEDRAT/feed, MMPR\n\n"
                        "The cutting feed of the tool tip in units per minute (CL units, or as "
                        "MMPM or IPM says), or per revolution of the spindle (MMPR, IPR). A "
                        "multi-axis move takes the time the tip needs along the CL path at this "
                        "feed (G93, F = 1 / minutes), unless the rotary axes' highest speeds "
                        "or MAX_FEED need longer."},
    MajorWord{"RAPID", "RAPID\n\nThe next move is a rapid move (G0)."},
    MajorWord{"FROM", "FROM/x, y, z\nFROM/x, y, z, i, j, k\n\n"
                      "The start point of the tool tip (and tool axis). It is output as a "
                      "rapid move, so the machine starts where the CL file says."},
    MajorWord{"GOTO", "GOTO/x, y, z\nGOTO/x, y, z, i, j, k\n\n"
                      "Moves the tool tip to x, y, z; i, j, k is the tool axis (a direction from "
                      "the tip towards the spindle), kept from the last move when left out. The "
                      "block holds the machine's axes for them, as the settings' KINEMATICS "
                      "says: the pivot point, B and C on HEAD_BC and HEAD_B_TABLE_C; the tip "
                      "in the machine's frame, A and C on TABLE_AC. Where the rotary axes' "
                      "turn would take the tip farther from the straight path than "
                      "LINEAR_TOLERANCE, points are inserted."},
    MajorWord{"GODLTA", "GODLTA/dx, dy, dz\nGODLTA/d\n\n"
                        "Moves the tool tip by dx, dy, dz, or by d along the tool axis."},
    MajorWord{"CUTCOM", "CUTCOM/LEFT\nCUTCOM/RIGHT, offset\nCUTCOM/LEFT, XYPLAN, offset\n"
                        "CUTCOM/OFF\n\n"
                        "Cutter radius compensation left (G41), right (G42) or off (G40), with "
                        "the offset number as D, written with the next move. XYPLAN may stand "
                        "before or after the offset; YZPLAN and ZXPLAN stop the run."},
    MajorWord{"CIRCLE", "CIRCLE/x, y, z, i, j, k, r\nGOTO/x, y, z\n\n"
                        "An arc about the centre x, y, z and the axis i, j, k (along X, Y or Z) "
                        "with radius r, counter-clockwise about the axis, to the point of the "
                        "GOTO that follows: G2 or G3 in G17, G18 or G19, with the centre as "
                        "I, J, K from the start. An end at the start is a full circle. Further "
                        "values (tolerances) are not used. An end more than 0.005 mm "
                        "(0.0002 inch) off the circle stops the run."},
    MajorWord{"MOVARC", "MOVARC/x, y, z, i, j, k, r\nGOTO/x, y, z\n\nThe same as CIRCLE."},
    MajorWord{"CYCLE", "CYCLE/DRILL, depth, MMPM, feed, clearance\n"
                       "CYCLE/DEEP, DEPTH, d, STEP, s, CLEAR, c, RETRCT, r, FEDRAT, f\n"
                       "CYCLE/DRILL, RAPTO, c, FEDTO, -d, RTRCTO, AUTO, MMPM, f\n"
                       "CYCLE/BRKCHP|TAP|BORE|REAM, ..., DWELL, t, INCR, s\n"
                       "CYCLE/OFF\nCYCLE/ON\n\n"
                       "Drills at each following GOTO, the top of the hole: G81 (DRILL; G82 "
                       "with DWELL), G83 (DEEP) or G73 (BRKCHP) in pecks of STEP or INCR, G84 "
                       "(TAP; with M29 where RIGID_TAPPING = YES), G85 (BORE, REAM; G89 with "
                       "DWELL). Depth (FEDTO negative, below the point) and clearance (RAPTO, "
                       "CLEAR) along the tool axis, which must be vertical. Between holes the "
                       "tool returns to the clearance (G99), to RETRCT's height or with "
                       "RTRCTO,AUTO to where it came from (G98); RTRCTO with a distance makes "
                       "that the clearance. FEDRAT gives the feed in CL units, MMPM, IPM, MMPR "
                       "or IPR in theirs; without one the last FEDRAT holds. The first hole is "
                       "written in full, the others as positions. CYCLE/OFF ends it (G80), "
                       "CYCLE/ON takes the last one up again."},
};

std::string upper(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return result;
}

} // namespace

std::span<const MajorWord> major_words() {
    return words;
}

std::string syntax_help(std::string_view word) {
    const std::string wanted = upper(word);
    const auto found = std::find_if(words.begin(), words.end(),
                                    [&](const MajorWord& w) { return w.name == wanted; });
    if (found != words.end()) return std::string(found->help);
    for (std::string_view passed : passed_by_words())
        if (passed == wanted)
            return wanted + "\n\nMILL5X passes " + wanted +
                   " by: the status and the listing show it as a warning, and the NC program "
                   "does not change.";

    std::string list =
        wanted.empty() ? std::string() : "MILL5X does not know the major word " + wanted + ".\n\n";
    list += "MILL5X knows these major words:\n";
    for (const MajorWord& w : words) {
        list += "  ";
        list += w.name;
        list += '\n';
    }
    list += "\nThese it passes by with a warning, as it does any word it does not know:\n ";
    for (std::string_view passed : passed_by_words()) {
        list += ' ';
        list += passed;
    }
    list += "\n\nAsk for a word it knows to see its syntax.\n"
            "\"$$\" starts a comment; \"$\" at the end of a line continues the record on the "
            "next line.";
    return list;
}

} // namespace mill5x
