// MILL5X.pptable as a user may have edited it. Property: accepted settings hold together.

#include "fuzz_text.h"
#include "machine/settings.h"

#include <cstdlib>

namespace {

bool ordered(const machine::Travel& t) {
    return !t.min || !t.max || *t.min <= *t.max;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const machine::Settings s = machine::read_settings(fuzz::bytes(data, size));
        if (s.a_min > s.a_max || s.b_min > s.b_max || s.c_min > s.c_max ||
            s.block_number_step < 0 || s.block_number_step > 1000 || s.max_feed < 1 ||
            s.rapid_feed < 1)
            std::abort();
        if (!(s.linear_tolerance_or_default() > 0) || !(s.check_tolerance_or_default() > 0) ||
            !(s.check_angle > 0) || !(s.rewind_clearance_or_default() > 0) ||
            !(s.tool_length >= 0) || !ordered(s.x) || !ordered(s.y) || !ordered(s.z) ||
            s.work_offset < 54 || s.work_offset > 59 || s.program_number < 1 ||
            s.program_number > 9999)
            std::abort();
    } catch (const machine::SettingsError&) {
    }
    return 0;
}
