// MILL5X's own command line, whatever starts it. Property: the CL path it finds is part of
// the line, and the base name is part of the CL path.

#include "fuzz_text.h"
#include "invocation.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::wstring line = fuzz::wide(fuzz::bytes(data, size));
    const mill5x::Invocation invocation = mill5x::parse_invocation(line);
    if (invocation.kind == mill5x::Invocation::Kind::post_process &&
        (line.find(invocation.cl_path) == std::wstring::npos ||
         invocation.cl_path.find(invocation.base_name) == std::wstring::npos))
        std::abort();
    mill5x::ascii(line);
    return 0;
}
