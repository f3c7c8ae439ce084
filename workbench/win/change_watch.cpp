#include "win/change_watch.h"

#include "core/folder_path.h"

namespace workbench::win {
namespace {

ChangeNotification notification_for(const std::wstring& folder, DWORD changes) {
    if (folder.empty()) return {};
    return desktop::own<ChangeNotification>(
        FindFirstChangeNotificationW(folder.c_str(), FALSE, changes));
}

// The folder's files and subfolders, and in its parent the subfolders: a folder that is
// removed or renamed is not always told by its own notification (Wine's is not).
FolderNotifications notifications_for(const std::wstring& folder) {
    const auto levels = folder_levels(folder);
    const std::wstring parent = levels.size() > 1 ? folder_path(levels, levels.size() - 1) : L"";
    return {notification_for(folder, FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME),
            notification_for(parent, FILE_NOTIFY_CHANGE_DIR_NAME)};
}

} // namespace

ChangeWatch::ChangeWatch(HWND window, UINT message)
    : window_(window), message_(message),
      wake_(desktop::own(CreateEventW(nullptr, FALSE, FALSE, nullptr))),
      thread_([this] { run(); }) {}

ChangeWatch::~ChangeWatch() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake();
    thread_.join();
}

void ChangeWatch::wake() {
    SetEvent(wake_.get());
}

void ChangeWatch::watch_folder(What which, const std::wstring& folder) {
    if (folders_[which] == folder) return;
    folders_[which] = folder;
    // Made here rather than on the watch's thread, so that no change after this call
    // happens before the notification exists.
    auto notifications = notifications_for(folder);
    {
        std::lock_guard lock(mutex_);
        new_notifications_[which] = std::move(notifications);
        folder_replaced_[which] = true;
    }
    wake();
}

void ChangeWatch::watch_process(HANDLE process) {
    HANDLE own_handle = nullptr;
    if (!DuplicateHandle(GetCurrentProcess(), process, GetCurrentProcess(), &own_handle,
                         SYNCHRONIZE, FALSE, 0))
        return;
    {
        std::lock_guard lock(mutex_);
        new_processes_.push_back(desktop::own(own_handle));
    }
    wake();
}

void ChangeWatch::run() {
    std::array<FolderNotifications, 2> folders;
    std::vector<desktop::UniqueHandle> processes;
    for (;;) {
        {
            std::lock_guard lock(mutex_);
            if (stopping_) return;
            for (std::size_t n = 0; n < folders.size(); ++n) {
                if (!folder_replaced_[n]) continue;
                folders[n] = std::move(new_notifications_[n]);
                folder_replaced_[n] = false;
            }
            for (auto& process : new_processes_)
                processes.push_back(std::move(process));
            new_processes_.clear();
        }
        // The wait takes at most MAXIMUM_WAIT_OBJECTS handles; programs beyond that are
        // waited for once earlier ones have ended.
        std::vector<HANDLE> handles{wake_.get()};
        std::vector<What> whats{program_ended};
        for (std::size_t n = 0; n < folders.size(); ++n) {
            for (const auto& notification : folders[n]) {
                if (!notification) continue;
                handles.push_back(notification.get());
                whats.push_back(What(n));
            }
        }
        for (const auto& process : processes) {
            if (handles.size() == MAXIMUM_WAIT_OBJECTS) break;
            handles.push_back(process.get());
            whats.push_back(program_ended);
        }
        const DWORD result = WaitForMultipleObjects(static_cast<DWORD>(handles.size()),
                                                    handles.data(), FALSE, INFINITE);
        const DWORD index = result - WAIT_OBJECT_0;
        if (index == 0 || index >= handles.size()) continue;
        PostMessageW(window_, message_, whats[index], 0);
        if (whats[index] == program_ended) {
            std::erase_if(processes, [&](const auto& p) { return p.get() == handles[index]; });
        } else if (!FindNextChangeNotification(handles[index])) {
            // The folder itself is gone: the window finds out when it reads it again.
            for (auto& notification : folders[whats[index]])
                if (notification.get() == handles[index]) notification.reset();
        }
    }
}

} // namespace workbench::win
