// File-name wildcards: a pattern and a name from the user. Properties: "*" matches every
// name, a name without wildcards matches itself, and letter case does not matter.

#include "core/wildcard.h"
#include "fuzz_text.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = fuzz::pieces(fuzz::wide(fuzz::bytes(data, size)), 2);
    const std::wstring& pattern = parts[0];
    const std::wstring& name = parts[1];
    const bool matches = workbench::WildcardPattern(pattern).matches(name);
    std::wstring upper_name = name;
    for (wchar_t& c : upper_name)
        c = workbench::ascii_upper(c);
    if (workbench::WildcardPattern(pattern).matches(upper_name) != matches) std::abort();
    if (!workbench::WildcardPattern(L"*").matches(name)) std::abort();
    if (name.find_first_of(L"*?") == std::wstring::npos &&
        !workbench::WildcardPattern(name).matches(name))
        std::abort();
    return 0;
}
