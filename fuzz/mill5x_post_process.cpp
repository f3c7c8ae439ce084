// The whole post-processor on any CL text, on a machine the first byte picks (its kind, units,
// limits, lengths, tolerance). Properties: a run without an error ends its NC program with M30
// and "%", and passes its own check (a failure there is an NC program that does not follow
// the CL path).

#include "fuzz_text.h"
#include "postprocessor.h"

#include <cstdio>
#include <cstdlib>

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
    const auto result = mill5x::post_process(fuzz::bytes(data, size), s, "FUZZ.APT");
    if (result.error) return 0;
    if (result.check && result.check->failure) {
        std::fprintf(stderr, "check failed at NC line %lld, CL line %lld: %s\n",
                     static_cast<long long>(result.nc_line(result.check->failure->line)),
                     static_cast<long long>(result.check->failure_cl_line),
                     result.check->failure->message.c_str());
        std::abort();
    }
    if (!result.nc_program.ends_with("M30\r\n%\r\n")) std::abort();
    return 0;
}
