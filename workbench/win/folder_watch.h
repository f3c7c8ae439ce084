#pragma once
// Keeps the panes' lists current by themselves: a thread of its own waits on the open
// folders' change notifications and posts a message to the window for each change it sees;
// the window hands it to changed(). Changes come in bursts (a post-processor writing its
// outputs, a copy of many files), so a pane is read again once its burst is over.

#include "win/pane_side.h"

#include <desktop/timer.h>
#include <desktop/win32.h>

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <thread>
#include <vector>

namespace workbench::win {

struct ChangeNotificationCloser {
    void operator()(HANDLE handle) const { FindCloseChangeNotification(handle); }
};
using ChangeNotification = std::unique_ptr<void, ChangeNotificationCloser>;
// A folder's own notification and its parent's.
using FolderNotifications = std::array<ChangeNotification, 2>;

class FolderWatch {
public:
    // The thread posts `message` to the form's window with the PaneSide as WPARAM. Once a
    // burst of changes is over, `read_again` is called on the window's thread for each pane
    // whose folder changed.
    FolderWatch(desktop::Form& form, UINT message, std::function<void(PaneSide)> read_again);
    ~FolderWatch();
    FolderWatch(const FolderWatch&) = delete;
    FolderWatch& operator=(const FolderWatch&) = delete;

    // Watches this folder of the pane for files and folders that come, go or are renamed,
    // instead of the one watched before; an empty path watches none. Every change after it
    // returns is told.
    void watch(PaneSide side, const std::wstring& folder);
    // The pane's folder changed (the message the thread posted, or a started program's
    // end): it is read again when the changes stop coming for a moment.
    void changed(PaneSide side);

private:
    void run();
    void wake();
    void burst_over();

    HWND window_;
    UINT message_;
    std::function<void(PaneSide)> read_again_;
    desktop::Timer burst_timer_;
    std::array<bool, 2> changed_{};       // the panes to read again once the burst is over
    std::array<std::wstring, 2> folders_; // the window thread's own: what is watched
    desktop::UniqueHandle wake_;
    std::mutex mutex_; // guards the requests below, which the thread takes up when woken
    std::array<FolderNotifications, 2> new_notifications_;
    std::array<bool, 2> folder_replaced_{};
    bool stopping_ = false;
    std::thread thread_;
};

// What a wait for the first of several handles to be signalled came to: that handle's
// index, or when the wait failed, the indexes of the handles that no wait can take (none
// when the failure was not theirs).
struct WaitOutcome {
    std::optional<std::size_t> signalled;
    std::vector<std::size_t> unusable;
};
WaitOutcome wait_for_any(std::span<const HANDLE> handles);

} // namespace workbench::win
