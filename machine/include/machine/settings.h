#pragma once
// A machine's settings file (NAME.pptable beside the post-processor NAME.exe): one
// "KEY = value" a line, "#" starts a comment, keys in any letter case, every key optional
// (the defaults below), each key at most once.

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace machine {

enum class Units { millimetre, inch };
// HEAD_BC: a head that tilts about Y (B) and turns about Z (C). TABLE_AC: a trunnion table
// that tilts about X (A) and turns the part on it about Z (C). HEAD_B_TABLE_C: a head that
// tilts about Y (B) over a table that turns the part about Z (C).
enum class Kind { head_bc, table_ac, head_b_table_c };
// A point beyond a travel limit stops the run, or is a warning.
enum class LimitRule { stop, warn };

// A travel limit of one axis; a key left out leaves that side open.
struct Travel {
    std::optional<double> min, max;
};

struct Settings {
    Kind kinematics = Kind::head_bc;  // KINEMATICS: HEAD_BC, TABLE_AC or HEAD_B_TABLE_C
    Units units = Units::millimetre;  // UNITS: MM or INCH, the units of the NC program
    double rapid_feed = 15000;        // RAPID_FEED: rapid traverse, units/min (time estimate)
    double max_feed = 8000;           // MAX_FEED: highest cutting feed, units/min
    double max_spindle = 12000;       // MAX_SPINDLE: highest spindle speed, rpm
    double a_max_speed = 5400;        // A_MAX_SPEED: degrees per minute
    double b_max_speed = 5400;        // B_MAX_SPEED: degrees per minute
    double c_max_speed = 10800;       // C_MAX_SPEED: degrees per minute
    double pivot_distance = 0;        // PIVOT_DISTANCE: spindle face to the head's pivot point
    double tool_length = 0;           // TOOL_LENGTH: used until a tool load gives a LENGTH
    double a_min = -110, a_max = 110; // A_MIN, A_MAX: the table's tilt limits, degrees
    double b_min = -110, b_max = 110; // B_MIN, B_MAX: the head's tilt limits, degrees
    double c_min = -360, c_max = 360; // C_MIN, C_MAX: turn limits, degrees
    // A_AXIS_Y, A_AXIS_Z: where the table's A axis (along X) crosses the YZ plane; C_AXIS_X,
    // C_AXIS_Y: where the table's C axis (along Z, with A at 0) crosses the XY plane; both
    // in the program's coordinates.
    double a_axis_y = 0, a_axis_z = 0, c_axis_x = 0, c_axis_y = 0;
    Travel x, y, z;                     // X_MIN, X_MAX, ...: the axes' travel
    LimitRule limits = LimitRule::stop; // LIMITS: STOP or WARN beyond a travel limit
    // REWIND_CLEARANCE: how far the tool backs off along its axis before a rotary axis turns
    // back a whole turn. Unset: 50 mm (2 inch).
    std::optional<double> rewind_clearance;
    bool inverse_time = true; // INVERSE_TIME: YES puts multi-axis feed moves in G93
    // LINEAR_TOLERANCE: how far the tool tip may leave the CL path between two positions
    // (intermediate points are inserted until it does not); CHECK_TOLERANCE and
    // CHECK_ANGLE: how far it may be from a CL position, and its axis from the CL's (degrees).
    // Unset: 0.01 mm and 0.005 mm (0.0004 and 0.0002 inch), 0.01 degrees.
    std::optional<double> linear_tolerance, check_tolerance;
    double check_angle = 0.01;
    bool check = true;               // CHECK: YES reads the NC program back and checks it
    int program_number = 1000;       // PROGRAM_NUMBER: the O number
    int work_offset = 54;            // WORK_OFFSET: G54 to G59
    std::string retract = "G53 Z0."; // RETRACT: the block that lifts the tool clear
    bool rigid_tapping = false;      // RIGID_TAPPING: YES writes M29 before tapping
    int block_number_step = 10;      // BLOCK_NUMBERS: N-number step, 0 for none

    double linear_tolerance_or_default() const {
        return linear_tolerance.value_or(units == Units::inch ? 0.0004 : 0.01);
    }
    double check_tolerance_or_default() const {
        return check_tolerance.value_or(units == Units::inch ? 0.0002 : 0.005);
    }
    double rewind_clearance_or_default() const {
        return rewind_clearance.value_or(units == Units::inch ? 2 : 50);
    }
};

// The name a kind has in the settings file and the NC program's comments: "HEAD_BC".
std::string_view kind_name(Kind kind);

class SettingsError : public std::runtime_error {
public:
    SettingsError(int line, const std::string& message)
        : std::runtime_error(message), line_(line) {}
    int line() const { return line_; } // 0 when the fault is not on one line

private:
    int line_;
};

// Throws SettingsError naming the line and the key for an unknown or repeated key, a value
// that is not allowed for its key, or limits that contradict each other.
Settings read_settings(std::string_view text);

} // namespace machine
