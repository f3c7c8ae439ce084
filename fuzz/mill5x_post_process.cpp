// The whole post-processor on any CL text, on a machine the first byte picks (its kind, units,
// limits, lengths, tolerance). Properties: a run without an error ends its NC program with M30
// and "%", and passes its own check (a failure there is an NC program that does not follow
// the CL path), unless the CL file inserts lines of its own: those are the user's, and a
// control reads what they move as the check does; whether it ran to its end or stopped, no
// block holds a number spelt nan, inf or -0., and the block numbers rise.

#include "fuzz_text.h"
#include "postprocessor.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// The blocks' words: no number that a control could not read or would read as another, and
// block numbers that rise. Only numbered lines are blocks: comments and inserted lines carry
// the CL file's own text (control characters read as blanks), so a line found in that text
// is not looked at.
void check_blocks(std::string_view program, std::string_view cl_text) {
    long long last_number = -1;
    for (std::size_t end; (end = program.find('\n')) != std::string_view::npos;
         program.remove_prefix(end + 1)) {
        const std::string_view line = program.substr(0, end);
        if (line.empty() || line.front() != 'N') continue;
        if (cl_text.find(line.substr(0, line.find('\r'))) != std::string_view::npos) continue;
        for (const char* bad : {"nan", "inf", "NAN", "INF", "-0. ", "-0.\r"})
            if (line.find(bad) != std::string_view::npos) {
                std::fprintf(stderr, "a block holds %s: %.*s\n", bad, int(line.size()),
                             line.data());
                std::abort();
            }
        const long long number = std::strtoll(std::string(line.substr(1, 20)).c_str(), nullptr, 10);
        if (number <= last_number) std::abort();
        last_number = number;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const int choice = size > 0 ? data[0] : 0;
    machine::Settings s;
    if (choice & 1) s.units = machine::Units::inch;
    if (choice & 2) s.block_number_step = 1000;
    if (choice & 4) s.inverse_time = false;
    if (choice & 8) s.a_min = s.b_min = 0, s.c_min = -10, s.c_max = 10;
    if (choice & 16) s.pivot_distance = 150, s.tool_length = 100;
    // A tolerance a fifth or fifty times the default.
    if (choice & 32)
        s.linear_tolerance = s.linear_tolerance_or_default() * (choice & 64 ? 50 : 0.2);
    if (choice & 128)
        s.kinematics = choice & 2 ? machine::Kind::head_b_table_c : machine::Kind::table_ac;
    const std::string_view cl_text = fuzz::bytes(data, size);
    const auto result = mill5x::post_process(cl_text, s, "FUZZ.APT");
    std::string as_read(cl_text);
    std::replace_if(
        as_read.begin(), as_read.end(), [](char c) { return c != '\n' && 0 <= c && c < ' '; }, ' ');
    check_blocks(result.nc_program, as_read);
    if (result.error) return 0;
    std::string upper_case(as_read);
    std::transform(upper_case.begin(), upper_case.end(), upper_case.begin(),
                   [](char c) { return 'a' <= c && c <= 'z' ? char(c - 'a' + 'A') : c; });
    const bool inserts_lines = upper_case.find("INSERT") != std::string::npos;
    if (result.check && result.check->failure && !inserts_lines) {
        std::fprintf(stderr, "check failed at NC line %lld, CL line %lld: %s\n",
                     static_cast<long long>(result.nc_line(result.check->failure->line)),
                     static_cast<long long>(result.check->failure_cl_line),
                     result.check->failure->message.c_str());
        std::abort();
    }
    if (!result.nc_program.ends_with("M30\r\n%\r\n")) std::abort();
    return 0;
}
