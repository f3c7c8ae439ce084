// The whole post-processor on any CL text: the CL reader, the record parser and every
// translation. Property: a run without an error ends its NC program with M30 and "%".

#include "fuzz_text.h"
#include "postprocessor.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The first byte picks a machine, so inch programs, block numbers off and narrow limits
    // are exercised as well.
    mill5x::MachineSettings settings;
    if (size > 0) {
        const std::uint8_t choice = data[0];
        if (choice & 1) settings.units = mill5x::Units::inch;
        if (choice & 2) settings.block_number_step = 1000;
        if (choice & 4) settings.inverse_time = false;
        if (choice & 8) settings.b_min = 0, settings.c_min = -10, settings.c_max = 10;
        if (choice & 16) settings.pivot_distance = 150, settings.tool_length = 100;
    }
    const mill5x::PostText result =
        mill5x::post_process(fuzz::bytes(data, size), settings, "FUZZ.APT");
    constexpr std::string_view program_end = "M30\r\n%\r\n";
    if (!result.error &&
        (result.nc_program.size() < program_end.size() ||
         result.nc_program.substr(result.nc_program.size() - program_end.size()) != program_end))
        std::abort();
    return 0;
}
