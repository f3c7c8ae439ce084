#pragma once
// The small Win32 helpers every window of the toolkit needs: the text of a control or of a
// list item, twips and DPI arithmetic, GDI objects, device contexts and kernel handles that
// free themselves, the system's words for an error code, and the program's own folder.

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

namespace desktop {

// ---- texts

std::wstring window_text(HWND window);
// The text of item `index` of a list box or of a combo box's list; empty when there is none.
std::wstring list_item_text(HWND list, int index);
std::wstring combo_item_text(HWND combo, int index);
// The list box's selected item, if one is.
std::optional<int> selected_index(HWND list);
std::optional<std::wstring> selected_item_text(HWND list);

// ---- sizes: twips (1/1440 inch) and pixels designed at 96 DPI, at the window's DPI

inline constexpr int twips_per_inch = 1440;
inline constexpr int design_dpi = 96;

inline int twips_to_pixels(int twips, int dpi) {
    return MulDiv(twips, dpi, twips_per_inch);
}
inline int pixels_to_twips(int pixels, int dpi) {
    return MulDiv(pixels, twips_per_inch, dpi);
}
inline int scale_to_dpi(int pixels_at_96, int dpi) {
    return MulDiv(pixels_at_96, dpi, design_dpi);
}

// ---- objects that free themselves

struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
template <class Handle>
using GdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, GdiObjectDeleter>;
using Pen = GdiObject<HPEN>;
using Brush = GdiObject<HBRUSH>;
using FontObject = GdiObject<HFONT>;
using Bitmap = GdiObject<HBITMAP>;

// An object selected into a device context for one scope.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~Selection() { SelectObject(dc_, previous_); }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A window's device context, from GetDC to ReleaseDC.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() { ReleaseDC(window_, dc_); }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    operator HDC() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// A memory device context compatible with another, from CreateCompatibleDC to DeleteDC.
class MemoryDc {
public:
    explicit MemoryDc(HDC compatible_with) : dc_(CreateCompatibleDC(compatible_with)) {}
    ~MemoryDc() { DeleteDC(dc_); }
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    operator HDC() const { return dc_; }

private:
    HDC dc_;
};

// The device context of one WM_PAINT, from BeginPaint to EndPaint.
class PaintDc {
public:
    explicit PaintDc(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ~PaintDc() { EndPaint(window_, &paint_); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    operator HDC() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// Kernel handles: a file, a process, a thread, an event (CloseHandle), and a FindFirstFile
// search (FindClose). Both hold nothing for INVALID_HANDLE_VALUE.
struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
struct FindCloser {
    void operator()(HANDLE handle) const { FindClose(handle); }
};
using UniqueHandle = std::unique_ptr<void, HandleCloser>;
using FindHandle = std::unique_ptr<void, FindCloser>;

template <class Owner = UniqueHandle> Owner own(HANDLE handle) {
    return Owner(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

// ---- the system

// Text in the system's ANSI code page (an exception's what(), an old file) as wide text.
std::wstring from_ansi(std::string_view text);

// The system's text for `error`, without its trailing line break; a plain "System error N."
// when the system has none.
std::wstring system_message(DWORD error);

// The folder that holds the running program, without a trailing backslash; empty when the
// system cannot tell.
std::wstring program_folder();

} // namespace desktop
