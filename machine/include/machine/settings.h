#pragma once
// The machine settings of MILL5X, read from MILL5X.pptable in the program's folder: one
// "KEY = value" a line, "#" starts a comment, keys in any letter case, every key optional
// (the defaults below), each key at most once.

#include <stdexcept>
#include <string>
#include <string_view>

namespace machine {

enum class Units { millimetre, inch };

struct Settings {
    Units units = Units::millimetre;  // UNITS: MM or INCH, the units of the NC program
    double rapid_feed = 15000;        // RAPID_FEED: rapid traverse, units/min (time estimate)
    double max_feed = 8000;           // MAX_FEED: highest cutting feed, units/min
    double max_spindle = 12000;       // MAX_SPINDLE: highest spindle speed, rpm
    double pivot_distance = 0;        // PIVOT_DISTANCE: spindle face to the head's pivot point
    double tool_length = 0;           // TOOL_LENGTH: used until LOADTL gives a LENGTH
    double b_min = -110, b_max = 110; // B_MIN, B_MAX: tilt limits, degrees
    double c_min = -360, c_max = 360; // C_MIN, C_MAX: turn limits, degrees
    bool inverse_time = true;         // INVERSE_TIME: YES puts multi-axis feed moves in G93
    int block_number_step = 10;       // BLOCK_NUMBERS: N-number step, 0 for none
};

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
