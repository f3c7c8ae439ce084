#include "clear_fields.h"

namespace ivt {

Writes clear_fields() {
    Writes writes{{L"IVT", L"0"}};
    for (std::wstring_view output : {L"Time", L"Dist", L"DX", L"DY", L"DZ", L"DR"})
        writes.push_back({output, L" "});
    for (std::wstring_view input : {L"FR", L"CX", L"CY", L"CZ", L"CR", L"LX", L"LY", L"LZ", L"LR"})
        writes.push_back({input, L"0"});
    return writes;
}

} // namespace ivt
