#include "win/file_pane.h"

#include "core/case_fold.h"
#include "core/folder_path.h"
#include "win/folder_contents.h"
#include "win/full_path.h"
#include "win/system_upper.h"

#include <desktop/win32.h>

namespace workbench::win {

DWORD FilePane::open_folder(const std::wstring& path) {
    // However the path was written (a trailing "\", a doubled one), the pane keeps it in
    // one form: what the commands join names to and Exit writes back.
    std::wstring full = full_path(path);
    if (full.empty()) return ERROR_PATH_NOT_FOUND;
    full = normalized_folder(full);
    if (full.size() >= 2 && full[1] == L':') full[0] = ascii_upper(full[0]);
    // One reading of the folder serves both lists: large folders are read once.
    auto contents = read_folder(full);
    if (contents.error) return contents.error;
    sort_names(contents.subfolders, system_upper);
    folders_.show(full, contents.subfolders);
    files_.show_files(full, std::move(contents.files));
    return 0;
}

bool FilePane::show_drive_of_folder() {
    return drives_.show_root_of(folders_.path());
}

void FilePane::show_one_folder() {
    if (files_.folder() != folders_.path()) files_.show_folder(folders_.path());
    show_drive_of_folder();
}

std::optional<std::wstring> FilePane::drive_chosen() {
    const auto letter = drives_.shown();
    if (!letter || *letter == drive_letter_of(folders_.path())) return std::nullopt;
    const std::wstring drive{*letter, L':'};
    DWORD error = drive_answers(*letter) ? open_folder(drive) : ERROR_SEM_TIMEOUT;
    if (error && error != ERROR_SEM_TIMEOUT) error = open_folder(drive + L'\\');
    if (!error) return std::nullopt;
    show_drive_of_folder();
    return L"Drive " + drive_item_text(*letter, L"") + L" cannot be read.\n\n" +
           desktop::system_message(error);
}

std::optional<std::wstring> FilePane::folder_item_opened(int index) {
    const std::wstring folder = folders_.folder_of_item(index);
    if (folder.empty()) return std::nullopt;
    const DWORD error = open_folder(folder);
    if (!error) return std::nullopt;
    folders_.select_open_folder();
    return L"The folder " + folder + L" cannot be opened.\n\n" + desktop::system_message(error);
}

} // namespace workbench::win
