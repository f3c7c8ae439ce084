#include "win/folder_watch.h"

#include "core/folder_path.h"

#include <utility>

namespace workbench::win {
namespace {

// The lists are read again at most this often while changes keep coming.
constexpr UINT burst_ms = 250;
// How long the thread pauses after a wait that failed for no handle's fault: trying again
// at once would keep a processor busy.
constexpr DWORD retry_ms = 1000;

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

std::size_t index_of(PaneSide side) {
    return static_cast<std::size_t>(side);
}

} // namespace

WaitOutcome wait_for_any(std::span<const HANDLE> handles) {
    const auto count = static_cast<DWORD>(handles.size());
    const DWORD result = WaitForMultipleObjects(count, handles.data(), FALSE, INFINITE);
    if (result - WAIT_OBJECT_0 < count) return {result - WAIT_OBJECT_0, {}};
    if (result - WAIT_ABANDONED_0 < count) return {result - WAIT_ABANDONED_0, {}};
    WaitOutcome failed;
    for (std::size_t n = 0; n < handles.size(); ++n)
        if (WaitForSingleObject(handles[n], 0) == WAIT_FAILED) failed.unusable.push_back(n);
    return failed;
}

FolderWatch::FolderWatch(desktop::Form& form, UINT message,
                         std::function<void(PaneSide)> read_again)
    : window_(form.window()), message_(message), read_again_(std::move(read_again)),
      burst_timer_(form, [this] { burst_over(); }),
      wake_(desktop::own(CreateEventW(nullptr, FALSE, FALSE, nullptr))),
      thread_([this] { run(); }) {}

FolderWatch::~FolderWatch() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake();
    thread_.join();
}

void FolderWatch::wake() {
    SetEvent(wake_.get());
}

void FolderWatch::watch(PaneSide side, const std::wstring& folder) {
    const std::size_t which = index_of(side);
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

void FolderWatch::changed(PaneSide side) {
    changed_[index_of(side)] = true;
    if (!burst_timer_.running()) burst_timer_.start(burst_ms);
}

void FolderWatch::burst_over() {
    burst_timer_.stop();
    for (const PaneSide side : both_sides)
        if (std::exchange(changed_[index_of(side)], false)) read_again_(side);
}

void FolderWatch::run() {
    std::array<FolderNotifications, 2> folders;
    for (;;) {
        {
            std::lock_guard lock(mutex_);
            if (stopping_) return;
            for (std::size_t n = 0; n < folders.size(); ++n) {
                if (!folder_replaced_[n]) continue;
                folders[n] = std::move(new_notifications_[n]);
                folder_replaced_[n] = false;
            }
        }
        std::vector<HANDLE> handles{wake_.get()};
        std::vector<ChangeNotification*> notifications{nullptr};
        std::vector<PaneSide> sides{PaneSide::cl};
        for (const PaneSide side : both_sides) {
            for (auto& notification : folders[index_of(side)]) {
                if (!notification) continue;
                handles.push_back(notification.get());
                notifications.push_back(&notification);
                sides.push_back(side);
            }
        }
        const WaitOutcome outcome = wait_for_any(handles);
        if (outcome.signalled) {
            const std::size_t index = *outcome.signalled;
            if (index == 0) continue;
            PostMessageW(window_, message_, static_cast<WPARAM>(sides[index]), 0);
            // The folder itself is gone: the window finds out when it reads it again.
            if (!FindNextChangeNotification(handles[index])) notifications[index]->reset();
            continue;
        }
        // The wait failed. A notification that no wait takes any more is dropped, as one whose
        // folder is gone; a failure that no notification explains is tried again later, and a
        // request or the end still wakes the thread meanwhile.
        for (const std::size_t index : outcome.unusable) {
            if (index == 0) continue;
            PostMessageW(window_, message_, static_cast<WPARAM>(sides[index]), 0);
            notifications[index]->reset();
        }
        if (outcome.unusable.empty()) WaitForSingleObject(wake_.get(), retry_ms);
        if (!outcome.unusable.empty() && outcome.unusable.front() == 0) Sleep(retry_ms);
    }
}

} // namespace workbench::win
