// Messages handed to their handlers: the window procedure, the commands of controls, the
// handlers of window messages, a failure in any of them told, and the message loop.

#include "form_parts.h"

#include <commctrl.h>

#include <windowsx.h>

#include <algorithm>
#include <stdexcept>

namespace desktop {

using namespace detail;

namespace {

// The property of a form's window that holds its Form.
constexpr wchar_t form_property[] = L"NctForm";

} // namespace

Form* Form::of(HWND window) {
    return window ? static_cast<Form*>(GetPropW(window, form_property)) : nullptr;
}

void Form::run_command(int id, WORD notification) {
    if (auto command = commands_.find({id, notification}); command != commands_.end())
        command->second();
}

void Form::report_failure(const std::exception& error) noexcept {
    try {
        const std::wstring detail = from_ansi(error.what());
        message_box(L"Something went wrong that the program did not expect; the window stays "
                    L"open and what it shows is kept.\n\n" +
                        detail,
                    0, design_.caption);
    } catch (...) {
    }
}

void Form::on_command(std::wstring_view name, WORD notification, std::function<void()> handler) {
    commands_[{control_id(name), notification}] = std::move(handler);
}

void Form::on_message(UINT message, MessageHandler handler) {
    messages_[message] = std::move(handler);
}

void Form::on_notify(std::wstring_view name, UINT code, NotifyHandler handler) {
    notifications_[{control_id(name), code}] = std::move(handler);
}

void Form::notify(const NMHDR& header, LRESULT& result, bool& handled) {
    const int id = static_cast<int>(header.idFrom);
    if (header.code == LVN_GETDISPINFOW) {
        if (auto list = lists_.find(id); list != lists_.end()) {
            auto& item = reinterpret_cast<NMLVDISPINFOW&>(const_cast<NMHDR&>(header)).item;
            if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0) {
                const std::wstring text =
                    list->second.text ? list->second.text(static_cast<std::size_t>(item.iItem))
                                      : std::wstring();
                const std::size_t length =
                    std::min(text.size(), static_cast<std::size_t>(item.cchTextMax - 1));
                text.copy(item.pszText, length);
                item.pszText[length] = L'\0';
            }
            handled = true;
            result = 0;
            return;
        }
    }
    if (header.code == LVN_ODFINDITEMW && lists_.contains(id)) {
        // A letter typed in the list looks for an item that starts with it, and a virtual
        // list must answer for its items: unanswered (0), item 0 would be chosen at every
        // letter and the user's place lost. Program text is not looked up by its first letters.
        handled = true;
        result = -1;
        return;
    }
    if (auto handler = notifications_.find({id, header.code}); handler != notifications_.end())
        if (auto answer = handler->second(header)) {
            handled = true;
            result = *answer;
        }
}

LRESULT CALLBACK Form::window_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        auto* form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
        form->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
        SetPropW(window, form_property, form);
    }
    auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!form) return DefWindowProcW(window, message, wparam, lparam);
    // An exception must not cross the system's code back into the message loop: it would
    // end the program without a word.
    try {
        return form->handle(message, wparam, lparam);
    } catch (const std::exception& error) {
        form->report_failure(error);
    } catch (...) {
        form->report_failure(std::runtime_error("an unknown failure"));
    }
    return 0;
}

LRESULT Form::handle(UINT message, WPARAM wparam, LPARAM lparam) {
    // The controls follow the new size before the program's own handler sees it.
    if (message == WM_SIZE && wparam != SIZE_MINIMIZED) follow_client_size();
    if (auto handler = messages_.find(message); handler != messages_.end())
        if (auto result = handler->second(wparam, lparam)) return *result;
    switch (message) {
    case WM_COMMAND: {
        const int id = LOWORD(wparam);
        const WORD notification = HIWORD(wparam);
        const Placed* clicked = find(id);
        if (notification == BN_CLICKED && clicked && clicked->row->kind == Kind::option_button) {
            option_clicked(*clicked);
            return 0;
        }
        // Enter reaches the window as IDOK (there is no default button): on a focused push
        // button it presses it. Escape (IDCANCEL) does nothing.
        if (id == IDOK && notification == 0) {
            const HWND focused = GetFocus();
            const int focused_id = GetDlgCtrlID(focused);
            const Placed* button = find(focused_id);
            if (GetParent(focused) == window_ && button &&
                button->row->kind == Kind::command_button)
                run_command(focused_id, BN_CLICKED);
            return 0;
        }
        run_command(id, notification);
        return 0;
    }
    case WM_NOTIFY: {
        LRESULT result = 0;
        bool handled = false;
        notify(*reinterpret_cast<const NMHDR*>(lparam), result, handled);
        if (handled) return result;
        break;
    }
    case WM_GETMINMAXINFO:
        limit_size(*reinterpret_cast<MINMAXINFO*>(lparam));
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wparam) == WA_INACTIVE) {
            remember_focus();
        } else if (!HIWORD(wparam)) { // not minimised
            restore_focus();
        }
        return 0;
    case WM_SETFOCUS:
        restore_focus();
        return 0;
    case WM_TIMER:
        if (wparam != tool_tips_timer) break;
        KillTimer(window_, tool_tips_timer);
        make_tool_tips();
        return 0;
    case WM_PAINT: {
        paint_lines(PaintDc(window_));
        return 0;
    }
    case WM_DPICHANGED: {
        const auto* suggested = reinterpret_cast<const RECT*>(lparam);
        apply_dpi(HIWORD(wparam));
        SetWindowPos(window_, nullptr, suggested->left, suggested->top,
                     suggested->right - suggested->left, suggested->bottom - suggested->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case WM_NCDESTROY: {
        const HWND window = window_;
        window_ = nullptr;
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        RemovePropW(window, form_property);
        if (ends_program_) PostQuitMessage(0);
        return DefWindowProcW(window, message, wparam, lparam);
    }
    }
    return DefWindowProcW(window_, message, wparam, lparam);
}

int run_message_loop(const Form& form) {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_MOUSEWHEEL && form.window()) {
            const POINT at{GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)};
            const HWND under = WindowFromPoint(at);
            if (under && IsChild(form.window(), under)) message.hwnd = under;
        }
        if (form.window() && form.translate_shortcut(message)) continue;
        if (form.window() && IsDialogMessageW(form.window(), &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

} // namespace desktop
