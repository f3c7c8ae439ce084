#pragma once
// Tells the window of the end of each program the workbench started: its task id and exit
// code, posted as a message. The system's thread pool waits for them, so that any number
// of programs is watched at once (one wait of a thread takes at most 64 handles).

#include <windows.h>

#include <atomic>
#include <list>

namespace workbench::win {

class ProgramWatch {
public:
    // Posts `message` to `window`, the task id (the process id) as WPARAM and the exit code
    // as LPARAM, once for each watched program that ends.
    ProgramWatch(HWND window, UINT message) : window_(window), message_(message) {}
    ~ProgramWatch();
    ProgramWatch(const ProgramWatch&) = delete;
    ProgramWatch& operator=(const ProgramWatch&) = delete;

    // Watches the process, with a handle of its own; false when the system would not let it.
    // Called on the window's thread only.
    bool watch(HANDLE process);

private:
    struct Watched {
        ProgramWatch* watch;
        HANDLE process = nullptr;
        HANDLE wait = nullptr;
        std::atomic<bool> ended = false;
    };
    static void CALLBACK ended(void* watched, BOOLEAN timed_out);
    void forget(Watched& watched);
    void forget_ended();

    HWND window_;
    UINT message_;
    std::list<Watched> watched_; // a Watched stays where it is: the wait holds its address
};

} // namespace workbench::win
