// Start-up from Plexo.cfg, and its saving at Exit.

#include "core/config_file.h"
#include "core/file_type_filter.h"
#include "core/text_encoding.h"
#include "win/plexo_window.h"
#include "win/whole_file.h"

#include <desktop/win32.h>

namespace workbench::win {

// Every failing step of start-up shows the same words and start-up goes on with the next
// step. The panes are set straight once at the end, so that a failure never leaves FilAPT
// on another folder than DirAPT.
void PlexoWindow::start_up_failed() {
    state_.answer = static_cast<short>(
        shell_.message_box(L"APT source folder not found", ok_cancel, program_title));
}

void PlexoWindow::start_up() {
    const auto step = [this](bool succeeded) {
        if (!succeeded) start_up_failed();
    };
    const HWND types = control(L"CmbType");
    for (const FileType& type : file_types) {
        const std::wstring entry(type.entry);
        SendMessageW(types, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    }
    SendMessageW(types, CB_SETCURSEL, 0, 0);
    file_type_chosen();

    step(pp_.open_folder(L"\\trelvo\\bin") == 0);
    step(pp_.files().show_folder(pp_.folders().path()) == 0);
    step(cl_.open_folder(L"\\") == 0);
    cl_.files().set_pattern(L"*.*");
    step(cl_.files().reread() == 0);

    // Without the program's own folder there is no Plexo.cfg to read; none is guessed.
    if (config_path_.empty())
        tell(L"The folder of this program cannot be found, so Plexo.cfg cannot be read.");
    const auto bytes = config_path_.empty() ? std::nullopt : read_whole_file(config_path_);
    step(bytes.has_value());
    ConfigReader reader(bytes ? decode_text(*bytes, desktop::from_ansi) : std::wstring());
    // A value that cannot be read leaves its holder as it was.
    const auto read = [&](std::wstring& holder) {
        const auto value = reader.next_value();
        if (value) holder = *value;
        return value.has_value();
    };
    std::wstring cl_folder, pp_folder, caption;
    step(read(state_.cfg_mode) && read(cl_folder));
    step(read(pp_folder));
    for (std::size_t n = 0; n < user_captions_.size(); ++n) {
        step(read(caption));
        user_captions_[n] = caption;
        set_text(user_buttons[n], without_access_key(caption));
    }

    // An empty folder value (a missing or short file) is a failing step like any other.
    step(!cl_folder.empty() && cl_.open_folder(cl_folder) == 0);
    step(cl_.files().show_folder(cl_.folders().path()) == 0);
    step(cl_.show_drive_of_folder());
    step(!pp_folder.empty() && pp_.open_folder(pp_folder) == 0);
    step(pp_.files().show_folder(pp_.folders().path()) == 0);
    step(pp_.show_drive_of_folder());

    for (FilePane* pane : {&cl_, &pp_})
        pane->show_one_folder();
    watch_open_folders();
}

// Only the mode word VAR asks for the folders and captions to be kept.
void PlexoWindow::save_settings() {
    if (state_.cfg_mode != write_back_mode) return;
    const SavedSettings settings{cl_folder(), pp_folder(), user_captions_};
    if (const DWORD error = replace_file_content(config_path_, config_file_bytes(settings)))
        tell(L"The folders and button captions could not be saved in " + config_path_ + L".\n\n" +
             desktop::system_message(error));
}

} // namespace workbench::win
