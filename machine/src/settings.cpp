#include "machine/settings.h"

#include <algorithm>
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
        throw SettingsError(entry.line, entry.key + " must be a number from " +
                                            std::to_string(static_cast<long>(low)) + " to " +
                                            std::to_string(static_cast<long>(high)) + ", not '" +
                                            entry.value + "'");
    return value;
}

bool yes_no(const Entry& entry) {
    if (entry.value == "YES") return true;
    if (entry.value == "NO") return false;
    throw SettingsError(entry.line, entry.key + " must be YES or NO, not '" + entry.value + "'");
}

using Setter = std::function<void(Settings&, const Entry&)>;

const std::map<std::string, Setter>& setters() {
    static const std::map<std::string, Setter> table = {
        {"UNITS",
         [](Settings& s, const Entry& e) {
             if (e.value == "MM")
                 s.units = Units::millimetre;
             else if (e.value == "INCH")
                 s.units = Units::inch;
             else
                 throw SettingsError(e.line, "UNITS must be MM or INCH, not '" + e.value + "'");
         }},
        {"RAPID_FEED",
         [](Settings& s, const Entry& e) { s.rapid_feed = number(e, 1, 1e6); }},
        {"MAX_FEED", [](Settings& s, const Entry& e) { s.max_feed = number(e, 1, 1e6); }},
        {"MAX_SPINDLE",
         [](Settings& s, const Entry& e) { s.max_spindle = number(e, 1, 1e6); }},
        {"PIVOT_DISTANCE",
         [](Settings& s, const Entry& e) { s.pivot_distance = number(e, -1e5, 1e5); }},
        {"TOOL_LENGTH",
         [](Settings& s, const Entry& e) { s.tool_length = number(e, 0, 1e5); }},
        {"B_MIN", [](Settings& s, const Entry& e) { s.b_min = number(e, -180, 180); }},
        {"B_MAX", [](Settings& s, const Entry& e) { s.b_max = number(e, -180, 180); }},
        {"C_MIN", [](Settings& s, const Entry& e) { s.c_min = number(e, -99999, 99999); }},
        {"C_MAX", [](Settings& s, const Entry& e) { s.c_max = number(e, -99999, 99999); }},
        {"INVERSE_TIME", [](Settings& s, const Entry& e) { s.inverse_time = yes_no(e); }},
        {"BLOCK_NUMBERS",
         [](Settings& s, const Entry& e) {
             const double step = number(e, 0, 1000);
             if (step != std::floor(step))
                 throw SettingsError(e.line,
                                     "BLOCK_NUMBERS must be a whole number, not '" + e.value + "'");
             s.block_number_step = static_cast<int>(step);
         }},
    };
    return table;
}

} // namespace

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
    if (settings.b_min > settings.b_max) throw SettingsError(0, "B_MIN is greater than B_MAX");
    if (settings.c_min > settings.c_max) throw SettingsError(0, "C_MIN is greater than C_MAX");
    return settings;
}

} // namespace machine
