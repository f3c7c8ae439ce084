// Picture controls: children of the toolkit's own class that paint themselves through the
// program's handler into a bitmap shown whole (no flicker), and tell it the mouse and keys.

#include "form_parts.h"

#include <windowsx.h>

#include <stdexcept>

namespace desktop {

using namespace detail;

void detail::register_picture_class(WNDPROC procedure) {
    static const bool registered = [procedure] {
        WNDCLASSEXW picture{sizeof picture};
        picture.lpfnWndProc = procedure;
        picture.hInstance = GetModuleHandleW(nullptr);
        picture.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        picture.lpszClassName = picture_class.data();
        return RegisterClassExW(&picture) != 0;
    }();
    if (!registered) throw std::runtime_error("the picture class could not be registered");
}

LRESULT CALLBACK Form::picture_procedure(HWND picture, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE)
        SetWindowLongPtrW(
            picture, GWLP_USERDATA,
            reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams));
    auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(picture, GWLP_USERDATA));
    if (message == WM_NCDESTROY) SetWindowLongPtrW(picture, GWLP_USERDATA, 0);
    if (!form || message == WM_NCDESTROY) return DefWindowProcW(picture, message, wparam, lparam);
    // As in the window's own procedure: a failure is told, and the program goes on.
    try {
        return form->picture_message(picture, message, wparam, lparam);
    } catch (const std::exception& error) {
        form->report_failure(error);
    } catch (...) {
        form->report_failure(std::runtime_error("an unknown failure"));
    }
    return 0;
}

LRESULT Form::picture_message(HWND picture, UINT message, WPARAM wparam, LPARAM lparam) {
    PictureState& state = pictures_[GetDlgCtrlID(picture)];
    const auto tell = [&](MouseEvent::Action action, MouseEvent::Button button, POINT at,
                          int wheel = 0) {
        if (state.mouse) state.mouse({action, button, at, wheel});
    };
    const POINT at{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
    using enum MouseEvent::Button;
    using Action = MouseEvent::Action;
    switch (message) {
    case WM_ERASEBKGND:
        return 1; // the paint covers it all
    case WM_PAINT:
        paint_picture(picture);
        return 0;
    case WM_SIZE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        InvalidateRect(picture, nullptr, FALSE);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_KEYDOWN:
        if (state.key && state.key(static_cast<UINT>(wparam))) return 0;
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        SetFocus(picture);
        SetCapture(picture);
        tell(Action::press,
             message == WM_LBUTTONDOWN   ? left
             : message == WM_RBUTTONDOWN ? right
                                         : middle,
             at);
        return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        tell(Action::release,
             message == WM_LBUTTONUP   ? left
             : message == WM_RBUTTONUP ? right
                                       : middle,
             at);
        if (!(wparam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) && GetCapture() == picture)
            ReleaseCapture();
        return 0;
    case WM_MOUSEMOVE:
        tell(Action::move, none, at);
        return 0;
    case WM_MOUSEWHEEL: {
        POINT client = at; // the wheel tells a point of the screen
        ScreenToClient(picture, &client);
        tell(Action::wheel, none, client, GET_WHEEL_DELTA_WPARAM(wparam));
        return 0;
    }
    case WM_CAPTURECHANGED:
        tell(Action::lost, none, {});
        return 0;
    }
    return DefWindowProcW(picture, message, wparam, lparam);
}

void Form::paint_picture(HWND picture) {
    const PaintDc paint(picture);
    RECT client;
    GetClientRect(picture, &client);
    const SIZE size{client.right, client.bottom};
    if (size.cx <= 0 || size.cy <= 0) return;
    PictureState& state = pictures_[GetDlgCtrlID(picture)];
    if (!state.buffer || state.buffer_size.cx != size.cx || state.buffer_size.cy != size.cy) {
        state.buffer.reset(CreateCompatibleBitmap(paint, size.cx, size.cy));
        state.buffer_size = size;
    }
    const MemoryDc memory(paint);
    const Selection bitmap(memory, state.buffer.get());
    if (state.paint)
        state.paint(memory, size);
    else
        FillRect(memory, &client, GetSysColorBrush(COLOR_WINDOW));
    if (GetFocus() == picture) {
        RECT frame = client;
        InflateRect(&frame, -1, -1);
        DrawFocusRect(memory, &frame);
    }
    BitBlt(paint, 0, 0, size.cx, size.cy, memory, 0, 0, SRCCOPY);
}

namespace {

void expect_picture(Kind kind) {
    if (kind != Kind::picture) throw std::logic_error("that control is not a picture");
}

} // namespace

void Form::on_paint(std::wstring_view picture, PaintHandler handler) {
    expect_picture(find(picture).row->kind);
    pictures_[control_id(picture)].paint = std::move(handler);
}

void Form::on_mouse(std::wstring_view picture, std::function<void(const MouseEvent&)> handler) {
    expect_picture(find(picture).row->kind);
    pictures_[control_id(picture)].mouse = std::move(handler);
}

void Form::on_key(std::wstring_view picture, std::function<bool(UINT key)> handler) {
    expect_picture(find(picture).row->kind);
    pictures_[control_id(picture)].key = std::move(handler);
}

void Form::redraw(std::wstring_view picture) {
    InvalidateRect(control(picture), nullptr, FALSE);
}

} // namespace desktop
