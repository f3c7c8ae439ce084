#include "win/program_watch.h"

namespace workbench::win {

ProgramWatch::~ProgramWatch() {
    for (Watched& watched : watched_)
        forget(watched);
}

bool ProgramWatch::watch(HANDLE process) {
    forget_ended();
    HANDLE own = nullptr;
    if (!DuplicateHandle(GetCurrentProcess(), process, GetCurrentProcess(), &own,
                         SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, 0))
        return false;
    Watched& watched = watched_.emplace_back();
    watched.watch = this;
    watched.process = own;
    if (RegisterWaitForSingleObject(&watched.wait, own, &ProgramWatch::ended, &watched, INFINITE,
                                    WT_EXECUTEONLYONCE))
        return true;
    watched.wait = nullptr;
    forget(watched);
    watched_.pop_back();
    return false;
}

// On a thread of the pool, once the process has ended.
void CALLBACK ProgramWatch::ended(void* context, BOOLEAN) {
    auto& watched = *static_cast<Watched*>(context);
    DWORD exit_code = 0;
    GetExitCodeProcess(watched.process, &exit_code);
    PostMessageW(watched.watch->window_, watched.watch->message_, GetProcessId(watched.process),
                 static_cast<LPARAM>(exit_code));
    watched.ended = true;
}

void ProgramWatch::forget(Watched& watched) {
    // Waits for a callback under way; the process handle must outlive the wait.
    if (watched.wait) UnregisterWaitEx(watched.wait, INVALID_HANDLE_VALUE);
    if (watched.process) CloseHandle(watched.process);
}

void ProgramWatch::forget_ended() {
    std::erase_if(watched_, [this](Watched& watched) {
        if (!watched.ended) return false;
        forget(watched);
        return true;
    });
}

} // namespace workbench::win
