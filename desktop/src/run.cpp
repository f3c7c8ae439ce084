#include "desktop/run.h"

#include "desktop/win32.h"

#include <string>

namespace desktop {

void report_unexpected_failure(std::wstring_view caption, const char* what) noexcept {
    try {
        std::wstring text = L"The program met an unexpected failure and must close.";
        if (what && *what) text += L"\n\n" + from_ansi(what);
        const std::wstring title(caption);
        MessageBoxW(nullptr, text.c_str(), title.c_str(), MB_OK);
    } catch (...) {
        // Out of memory while telling it: nothing more can be said.
    }
}

} // namespace desktop
