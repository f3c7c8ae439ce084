// MILL5X.pptable as a user may have edited it. Property: accepted settings hold together.

#include "fuzz_text.h"
#include "machine/settings.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const machine::Settings s = machine::read_settings(fuzz::bytes(data, size));
        if (s.b_min > s.b_max || s.c_min > s.c_max || s.block_number_step < 0 ||
            s.block_number_step > 1000 || s.max_feed < 1 || s.rapid_feed < 1)
            std::abort();
    } catch (const machine::SettingsError&) {
    }
    return 0;
}
