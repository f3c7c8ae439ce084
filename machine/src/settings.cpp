#include "machine/settings.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <functional>
#include <map>
#include <set>

namespace machine {

namespace {

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::string upper(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return result;
}

std::string shortest(double value) {
    char digits[32];
    return std::string(
        digits, std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed).ptr);
}

struct Entry {
    int line;
    std::string key;
    std::string value; // upper case
};

double number(const Entry& entry, double low, double high) {
    double value = 0;
    const char* first = entry.value.data();
    const char* last = first + entry.value.size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last || !std::isfinite(value) || value < low || value > high)
        throw SettingsError(entry.line, entry.key + " must be a number from " + shortest(low) +
                                            " to " + shortest(high) + ", not '" + entry.value +
                                            "'");
    return value;
}

int whole_number(const Entry& entry, double low, double high) {
    const double value = number(entry, low, high);
    if (value != std::floor(value))
        throw SettingsError(entry.line,
                            entry.key + " must be a whole number, not '" + entry.value + "'");
    return static_cast<int>(value);
}

bool yes_no(const Entry& entry) {
    if (entry.value == "YES") return true;
    if (entry.value == "NO") return false;
    throw SettingsError(entry.line, entry.key + " must be YES or NO, not '" + entry.value + "'");
}

// A block of NC words: letters each followed by a number, as the control reads them.
std::string nc_words(const Entry& entry) {
    bool letter_expected = true, fine = !entry.value.empty();
    for (char c : entry.value) {
        if (std::isalpha(static_cast<unsigned char>(c))) {
            letter_expected = false;
        } else if (c == ' ') {
            fine = fine && !letter_expected;
            letter_expected = true;
        } else if (letter_expected || !(std::isdigit(static_cast<unsigned char>(c)) || c == '.' ||
                                        c == '-' || c == '+')) {
            fine = false;
        }
    }
    if (!fine || std::isalpha(static_cast<unsigned char>(entry.value.back())))
        throw SettingsError(entry.line, entry.key + " must be NC words such as G53 Z0., not '" +
                                            entry.value + "'");
    return entry.value;
}

using Setter = std::function<void(Settings&, const Entry&)>;

Setter length(double Settings::*field, double low, double high) {
    return [=](Settings& s, const Entry& e) { s.*field = number(e, low, high); };
}
Setter limit(std::optional<double> Travel::*side, Travel Settings::*axis) {
    return [=](Settings& s, const Entry& e) { s.*axis.*side = number(e, -1e5, 1e5); };
}
Setter given(std::optional<double> Settings::*field, double low, double high) {
    return [=](Settings& s, const Entry& e) { s.*field = number(e, low, high); };
}
Setter switched(bool Settings::*field) {
    return [=](Settings& s, const Entry& e) { s.*field = yes_no(e); };
}

const std::map<std::string, Setter>& setters() {
    static const std::map<std::string, Setter> table = {
        {"KINEMATICS",
         [](Settings& s, const Entry& e) {
             for (Kind kind : {Kind::head_bc, Kind::table_ac, Kind::head_b_table_c})
                 if (e.value == kind_name(kind)) {
                     s.kinematics = kind;
                     return;
                 }
             throw SettingsError(e.line, "KINEMATICS must be HEAD_BC, TABLE_AC or "
                                         "HEAD_B_TABLE_C, not '" +
                                             e.value + "'");
         }},
        {"LIMITS",
         [](Settings& s, const Entry& e) {
             if (e.value != "STOP" && e.value != "WARN")
                 throw SettingsError(e.line, "LIMITS must be STOP or WARN, not '" + e.value + "'");
             s.limits = e.value == "STOP" ? LimitRule::stop : LimitRule::warn;
         }},
        {"UNITS",
         [](Settings& s, const Entry& e) {
             if (e.value == "MM")
                 s.units = Units::millimetre;
             else if (e.value == "INCH")
                 s.units = Units::inch;
             else
                 throw SettingsError(e.line, "UNITS must be MM or INCH, not '" + e.value + "'");
         }},
        {"RAPID_FEED", length(&Settings::rapid_feed, 1, 1e6)},
        {"MAX_FEED", length(&Settings::max_feed, 1, 1e6)},
        {"MAX_SPINDLE", length(&Settings::max_spindle, 1, 1e6)},
        {"A_MAX_SPEED", length(&Settings::a_max_speed, 1, 1e6)},
        {"B_MAX_SPEED", length(&Settings::b_max_speed, 1, 1e6)},
        {"C_MAX_SPEED", length(&Settings::c_max_speed, 1, 1e6)},
        {"PIVOT_DISTANCE", length(&Settings::pivot_distance, -1e5, 1e5)},
        {"TOOL_LENGTH", length(&Settings::tool_length, 0, 1e5)},
        {"A_MIN", length(&Settings::a_min, -180, 180)},
        {"A_MAX", length(&Settings::a_max, -180, 180)},
        {"A_AXIS_Y", length(&Settings::a_axis_y, -1e5, 1e5)},
        {"A_AXIS_Z", length(&Settings::a_axis_z, -1e5, 1e5)},
        {"C_AXIS_X", length(&Settings::c_axis_x, -1e5, 1e5)},
        {"C_AXIS_Y", length(&Settings::c_axis_y, -1e5, 1e5)},
        {"REWIND_CLEARANCE", given(&Settings::rewind_clearance, 1e-3, 1e4)},
        {"B_MIN", length(&Settings::b_min, -180, 180)},
        {"B_MAX", length(&Settings::b_max, -180, 180)},
        {"C_MIN", length(&Settings::c_min, -99999, 99999)},
        {"C_MAX", length(&Settings::c_max, -99999, 99999)},
        {"X_MIN", limit(&Travel::min, &Settings::x)},
        {"X_MAX", limit(&Travel::max, &Settings::x)},
        {"Y_MIN", limit(&Travel::min, &Settings::y)},
        {"Y_MAX", limit(&Travel::max, &Settings::y)},
        {"Z_MIN", limit(&Travel::min, &Settings::z)},
        {"Z_MAX", limit(&Travel::max, &Settings::z)},
        {"INVERSE_TIME", switched(&Settings::inverse_time)},
        {"LINEAR_TOLERANCE", given(&Settings::linear_tolerance, 1e-6, 10)},
        {"CHECK", switched(&Settings::check)},
        {"CHECK_TOLERANCE", given(&Settings::check_tolerance, 1e-6, 10)},
        {"CHECK_ANGLE", length(&Settings::check_angle, 1e-6, 10)},
        {"PROGRAM_NUMBER",
         [](Settings& s, const Entry& e) { s.program_number = whole_number(e, 1, 9999); }},
        {"WORK_OFFSET",
         [](Settings& s, const Entry& e) {
             if (e.value.size() != 3 || e.value[0] != 'G' || e.value[1] != '5' ||
                 e.value[2] < '4' || e.value[2] > '9')
                 throw SettingsError(e.line,
                                     "WORK_OFFSET must be G54 to G59, not '" + e.value + "'");
             s.work_offset = 50 + (e.value[2] - '0');
         }},
        {"RETRACT", [](Settings& s, const Entry& e) { s.retract = nc_words(e); }},
        {"RIGID_TAPPING", switched(&Settings::rigid_tapping)},
        {"BLOCK_NUMBERS",
         [](Settings& s, const Entry& e) { s.block_number_step = whole_number(e, 0, 1000); }},
    };
    return table;
}

void check_order(const std::optional<double>& low, const std::optional<double>& high,
                 const char* low_key, const char* high_key) {
    if (low && high && *low > *high)
        throw SettingsError(0, std::string(low_key) + " is greater than " + high_key);
}

} // namespace

std::string_view kind_name(Kind kind) {
    switch (kind) {
    case Kind::table_ac:
        return "TABLE_AC";
    case Kind::head_b_table_c:
        return "HEAD_B_TABLE_C";
    case Kind::head_bc:
        break;
    }
    return "HEAD_BC";
}

Settings read_settings(std::string_view text) {
    Settings settings;
    std::set<std::string> seen;
    int line_number = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++line_number;
        line = trimmed(line.substr(0, line.find('#')));
        if (line.empty()) continue;

        const auto equals = line.find('=');
        if (equals == std::string_view::npos)
            throw SettingsError(line_number,
                                "expected KEY = value, not '" + std::string(line) + "'");
        const Entry entry{line_number, upper(trimmed(line.substr(0, equals))),
                          upper(trimmed(line.substr(equals + 1)))};
        const auto setter = setters().find(entry.key);
        if (setter == setters().end())
            throw SettingsError(line_number, "unknown key '" + entry.key + "'");
        if (!seen.insert(entry.key).second)
            throw SettingsError(line_number, entry.key + " is given twice");
        setter->second(settings, entry);
    }
    check_order(settings.a_min, settings.a_max, "A_MIN", "A_MAX");
    check_order(settings.b_min, settings.b_max, "B_MIN", "B_MAX");
    check_order(settings.c_min, settings.c_max, "C_MIN", "C_MAX");
    check_order(settings.x.min, settings.x.max, "X_MIN", "X_MAX");
    check_order(settings.y.min, settings.y.max, "Y_MIN", "Y_MAX");
    check_order(settings.z.min, settings.z.max, "Z_MIN", "Z_MAX");
    return settings;
}

} // namespace machine
