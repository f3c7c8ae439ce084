#include "syntax_help.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace mill5x {

namespace {

constexpr std::array words{
    MajorWord{"PARTNO", "PARTNO text\n\n"
                        "Names the part. The text becomes a comment of the NC program."},
    MajorWord{"UNITS", "UNITS/MM\nUNITS/INCHES\n\n"
                       "The units of the CL values that follow. They are converted to the "
                       "machine's units (UNITS in MILL5X.pptable)."},
    MajorWord{"LOADTL", "LOADTL/tool\nLOADTL/tool, LENGTH, length\n\n"
                        "Changes to the tool (T.. M6). The length, tip to spindle face, moves "
                        "every programmed point to the head's pivot point; without LENGTH the "
                        "TOOL_LENGTH of MILL5X.pptable is used."},
    MajorWord{"SPINDL", "SPINDL/speed\nSPINDL/RPM, speed, CLW\nSPINDL/speed, CCLW\n"
                        "SPINDL/OFF\nSPINDL/ON\n\n"
                        "Starts the spindle clockwise (M3) or counter-clockwise (M4) at the "
                        "speed in rpm, stops it (M5), or starts it again as it last ran."},
    MajorWord{"COOLNT", "COOLNT/ON\nCOOLNT/FLOOD\nCOOLNT/MIST\nCOOLNT/OFF\n\n"
                        "Flood coolant (M8), mist (M7) or off (M9)."},
    MajorWord{"FEDRAT", "FEDRAT/feed\nFEDRAT/feed, MMPM\nFEDRAT/feed, IPM\n\n"
                        "The cutting feed in units per minute (in CL units, or as MMPM or IPM "
                        "says). Multi-axis moves use it for their inverse-time number."},
    MajorWord{"RAPID", "RAPID\n\nThe next move is a rapid move (G0)."},
    MajorWord{"FROM", "FROM/x, y, z\nFROM/x, y, z, i, j, k\n\n"
                      "The start point of the tool tip (and tool axis). It is output as a "
                      "rapid move, so the machine starts where the CL file says."},
    MajorWord{"GOTO", "GOTO/x, y, z\nGOTO/x, y, z, i, j, k\n\n"
                      "Moves the tool tip to x, y, z; i, j, k is the tool axis (a direction from "
                      "the tip towards the spindle), kept from the last move when left out. The "
                      "block holds the pivot point and the head angles B (tilt about Y) and C "
                      "(turn about Z)."},
    MajorWord{"GODLTA", "GODLTA/dx, dy, dz\nGODLTA/d\n\n"
                        "Moves the tool tip by dx, dy, dz, or by d along the tool axis."},
    MajorWord{"MULTAX", "MULTAX/ON\nMULTAX/OFF\n\n"
                        "Whether the GOTO records carry a tool axis. With MULTAX/OFF the tool "
                        "axis is set back to vertical (0, 0, 1)."},
    MajorWord{"END", "END\n\nEnds the NC program: spindle and coolant off, M30."},
    MajorWord{"FINI", "FINI\n\nThe last record of the CL file. Without END before it, FINI "
                      "ends the NC program as END does."},
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

    std::string list =
        wanted.empty() ? std::string() : "MILL5X does not know the major word " + wanted + ".\n\n";
    list += "MILL5X knows these major words:\n";
    for (const MajorWord& w : words) {
        list += "  ";
        list += w.name;
        list += '\n';
    }
    list += "\nAsk for one of them to see its syntax.\n"
            "\"$$\" starts a comment; \"$\" at the end of a line continues the record on the "
            "next line.";
    return list;
}

} // namespace mill5x
