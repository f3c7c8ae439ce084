// The whole post-processor on any CL text, on a machine the first byte picks. Property: a
// run without an error ends its NC program with M30 and "%".

#include "fuzz_text.h"
#include "postprocessor.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const int choice = size > 0 ? data[0] : 0;
    machine::Settings s;
    if (choice & 1) s.units = machine::Units::inch;
    if (choice & 2) s.block_number_step = 1000;
    if (choice & 4) s.inverse_time = false;
    if (choice & 8) s.b_min = 0, s.c_min = -10, s.c_max = 10;
    if (choice & 16) s.pivot_distance = 150, s.tool_length = 100;
    const auto result = mill5x::post_process(fuzz::bytes(data, size), s, "FUZZ.APT");
    if (!result.error && !result.nc_program.ends_with("M30\r\n%\r\n")) std::abort();
    return 0;
}
