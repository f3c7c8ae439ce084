// File-name wildcards: a pattern and a name from the user. Properties: letter case does not
// matter, "*" matches every name, and a name without wildcards matches itself.

#include "core/wildcard.h"
#include "fuzz_text.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = fuzz::pieces(fuzz::wide(fuzz::bytes(data, size)), 2);
    const std::wstring& name = parts[1];
    std::wstring upper_name = name;
    for (wchar_t& c : upper_name)
        c = workbench::ascii_upper(c);
    const workbench::WildcardPattern pattern(parts[0]);
    if (pattern.matches(upper_name) != pattern.matches(name) ||
        !workbench::WildcardPattern(L"*").matches(name) ||
        (name.find_first_of(L"*?") == std::wstring::npos &&
         !workbench::WildcardPattern(name).matches(name)))
        std::abort();
    return 0;
}
