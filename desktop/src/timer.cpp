#include "desktop/timer.h"

#include <set>

namespace desktop {
namespace {

// The timers that exist, on the window thread that made them: a WM_TIMER that was on its way
// when its timer went (KillTimer does not take it back) names none of them. Any other ID is
// the form's own (its tool tips) and is left to it.
thread_local std::set<const Timer*> living;

} // namespace

Timer::Timer(Form& form, std::function<void()> tick) : form_(form), tick_(std::move(tick)) {
    living.insert(this);
    // Every timer registers the same handler; which timer ticks is the message's ID.
    form_.on_message(WM_TIMER, [](WPARAM id, LPARAM) -> std::optional<LRESULT> {
        auto* timer = reinterpret_cast<Timer*>(id);
        if (!living.contains(timer)) return std::nullopt;
        if (timer->running_) timer->tick_();
        return 0;
    });
}

Timer::~Timer() {
    stop();
    living.erase(this);
}

void Timer::start(UINT milliseconds) {
    running_ = SetTimer(form_.window(), id(), milliseconds, nullptr) != 0;
}

void Timer::stop() {
    // A closed window has taken its timers with it.
    if (running_ && form_.window()) KillTimer(form_.window(), id());
    running_ = false;
}

} // namespace desktop
