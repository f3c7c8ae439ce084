#include "desktop/run.h"

#include <string>

namespace desktop {

void report_unexpected_failure(std::wstring_view caption, const char* what) noexcept {
    try {
        std::wstring text = L"The program met an unexpected failure and must close.";
        if (what && *what) {
            const int length = MultiByteToWideChar(CP_ACP, 0, what, -1, nullptr, 0);
            std::wstring detail(static_cast<std::size_t>(length > 0 ? length : 1), L'\0');
            MultiByteToWideChar(CP_ACP, 0, what, -1, detail.data(), length);
            detail.resize(detail.find(L'\0'));
            text += L"\n\n" + detail;
        }
        const std::wstring title(caption);
        MessageBoxW(nullptr, text.c_str(), title.c_str(), MB_OK);
    } catch (...) {
        // Out of memory while telling it: nothing more can be said.
    }
}

} // namespace desktop
