#pragma once
// The one entry of every program: make its window, show it, run its message loop; an
// exception that escapes is told in a message box titled with the program's caption
// instead of ending the program without a word.

#include "desktop/form.h"

#include <exception>
#include <string_view>
#include <utility>

namespace desktop {

// Tells the user that the program met an unexpected failure (`what`, or nothing known).
void report_unexpected_failure(std::wstring_view caption, const char* what) noexcept;

// Window: a Form, with `static constexpr std::wstring_view caption`, made with `arguments`.
template <class Window, class... Arguments> int run(int show_command, Arguments&&... arguments) {
    try {
        Window window(std::forward<Arguments>(arguments)...);
        window.show(show_command);
        return run_message_loop(window);
    } catch (const std::exception& error) {
        report_unexpected_failure(Window::caption, error.what());
    } catch (...) {
        report_unexpected_failure(Window::caption, nullptr);
    }
    return 1;
}

} // namespace desktop
