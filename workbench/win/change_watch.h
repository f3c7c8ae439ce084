#pragma once
// Keeps the lists current by themselves: a thread of its own waits on the open folders'
// change notifications and on the programs the workbench started, and posts one message to
// the window for each change it sees; the window coalesces them (folders_changed).

#include <desktop/win32.h>

#include <windows.h>

#include <array>
#include <memory>
#include <mutex>
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

class ChangeWatch {
public:
    // What changed, as the posted message's WPARAM.
    enum What : WPARAM { cl_folder = 0, pp_folder = 1, program_ended = 2 };

    // Posts `message` to `window` with a What as WPARAM.
    ChangeWatch(HWND window, UINT message);
    ~ChangeWatch();
    ChangeWatch(const ChangeWatch&) = delete;
    ChangeWatch& operator=(const ChangeWatch&) = delete;

    // Watches this folder for files and folders that come, go or are renamed, instead of
    // the one watched before for `which` (cl_folder or pp_folder); an empty path watches none.
    // Called on the window's thread only; every change after it returns is told.
    void watch_folder(What which, const std::wstring& folder);
    // Tells program_ended when the process ends; the watch keeps its own handle.
    void watch_process(HANDLE process);

private:
    void run();
    void wake();

    HWND window_;
    UINT message_;
    desktop::UniqueHandle wake_;
    std::mutex mutex_; // guards the requests below, which the thread takes up when woken
    std::array<std::wstring, 2> folders_; // the window thread's own: what is watched
    std::array<FolderNotifications, 2> new_notifications_;
    std::array<bool, 2> folder_replaced_{};
    std::vector<desktop::UniqueHandle> new_processes_;
    bool stopping_ = false;
    std::thread thread_;
};

} // namespace workbench::win
