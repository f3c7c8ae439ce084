#pragma once
// One file-selection pane: a drive list steering a folder list steering a file list, kept
// in step so that they show one drive, one folder and that folder's files.

#include "win/drive_list.h"
#include "win/file_list.h"
#include "win/folder_list.h"

#include <optional>
#include <string>

namespace workbench::win {

class FilePane {
public:
    FilePane(HWND drives, HWND folders, HWND files)
        : drives_(drives), folders_(folders), files_(files) {}

    DriveList& drives() { return drives_; }
    FolderList& folders() { return folders_; }
    FileList& files() { return files_; }
    const FolderList& folders() const { return folders_; }

    // The folder list opens `path` and the file list follows it. The system's error code
    // when the folder cannot be read; nothing changes then.
    DWORD open_folder(const std::wstring& path);
    // The drive list shows the drive of the open folder, moving nothing; false when it has
    // no such drive.
    bool show_drive_of_folder();
    // Holds the folder and file lists (ListBox::hold), or lets them go.
    void hold_lists(bool held) {
        folders_.hold(held);
        files_.hold(held);
    }
    // The file list and the drive list follow the folder list if they do not already.
    void show_one_folder();
    // A drive chosen in the drive list: the folder list goes to the drive's current folder
    // as the system keeps it, else to its root. When neither can be read, or a network drive
    // does not answer at once, all three lists stay as they were and the words for the user
    // are returned.
    std::optional<std::wstring> drive_chosen();
    // An item opened (double-clicked) in the folder list; the words for the user when the
    // folder cannot be read.
    std::optional<std::wstring> folder_item_opened(int index);

private:
    DriveList drives_;
    FolderList folders_;
    FileList files_;
};

} // namespace workbench::win
