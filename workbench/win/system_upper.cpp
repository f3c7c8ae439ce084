#include "win/system_upper.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <utility>

namespace workbench::win {

wchar_t system_upper(wchar_t c) {
    static const auto table = [] {
        auto upper = std::make_unique<std::array<wchar_t, 0x10000>>();
        for (std::size_t i = 0; i < upper->size(); ++i)
            (*upper)[i] = static_cast<wchar_t>(i);
        // Surrogates are no characters of their own and stay as they are.
        for (const auto& [first, last] : {std::pair{0x0001, 0xD7FF}, std::pair{0xE000, 0xFFFF}}) {
            const int count = last - first + 1;
            std::wstring mapped(count, L'\0');
            if (LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, upper->data() + first, count,
                              mapped.data(), count, nullptr, nullptr, 0) == count)
                std::copy(mapped.begin(), mapped.end(), upper->begin() + first);
        }
        return upper;
    }();
    return (*table)[static_cast<std::size_t>(c)];
}

} // namespace workbench::win
