#pragma once
// A timer of a form's window with a tick of its own. Each owner of a timer holds one: its ID
// is the object's own address, so no two owners share a WM_TIMER by agreeing on numbers,
// and its tick runs like any handler of the form, a failure in it told by the form.

#include "desktop/form.h"

#include <windows.h>

#include <functional>

namespace desktop {

class Timer {
public:
    // Not running until started. The form must outlive the timer. The form's WM_TIMER
    // handler (on_message) is the timers' own: a window registers none of its own.
    Timer(Form& form, std::function<void()> tick);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    // Ticks every `milliseconds` from now on, until stopped; a running timer starts anew.
    void start(UINT milliseconds);
    void stop();
    bool running() const { return running_; }

private:
    UINT_PTR id() const { return reinterpret_cast<UINT_PTR>(this); }

    Form& form_;
    std::function<void()> tick_;
    bool running_ = false;
};

} // namespace desktop
