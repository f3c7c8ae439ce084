#include "win/start_up.h"

#include "commands/commands.h"
#include "core/config_file.h"
#include "core/file_type_filter.h"
#include "core/text_encoding.h"
#include "win/whole_file.h"

#include <desktop/win32.h>

namespace workbench::win {

UserCaptions start_up(PlexoPanes& panes, WindowState& state, Shell& shell,
                      const std::wstring& config_path) {
    // Every failing step shows the same words and start-up goes on with the next step. The
    // panes are set straight once at the end, so that a failure never leaves FilAPT on
    // another folder than DirAPT.
    const auto step = [&](bool succeeded) {
        if (!succeeded)
            state.answer = static_cast<short>(
                shell.message_box(L"APT source folder not found", ok_cancel, program_title));
    };
    FilePane& cl = panes.pane(PaneSide::cl);
    FilePane& pp = panes.pane(PaneSide::pp);
    panes.fill_file_types();
    panes.choose_file_type(0);

    step(pp.open_folder(L"\\trelvo\\bin") == 0);
    step(pp.files().show_folder(pp.folders().path()) == 0);
    step(cl.open_folder(L"\\") == 0);
    cl.files().set_pattern(L"*.*");
    step(cl.files().reread() == 0);

    // Without the program's own folder there is no Plexo.cfg to read; none is guessed.
    if (config_path.empty())
        shell.message_box(L"The folder of this program cannot be found, so Plexo.cfg cannot be "
                          L"read.",
                          ok_only, program_title);
    const auto bytes = config_path.empty() ? std::nullopt : read_whole_file(config_path);
    step(bytes.has_value());
    ConfigReader reader(bytes ? decode_text(*bytes, desktop::from_ansi) : std::wstring());
    // A value that cannot be read leaves its holder as it was.
    const auto read = [&](std::wstring& holder) {
        const auto value = reader.next_value();
        if (value) holder = *value;
        return value.has_value();
    };
    std::wstring cl_folder, pp_folder, caption;
    UserCaptions captions;
    step(read(state.cfg_mode) && read(cl_folder));
    step(read(pp_folder));
    for (std::wstring& shown : captions) {
        step(read(caption));
        shown = caption;
    }

    // An empty folder value (a missing or short file) is a failing step like any other.
    step(!cl_folder.empty() && cl.open_folder(cl_folder) == 0);
    step(cl.files().show_folder(cl.folders().path()) == 0);
    step(cl.show_drive_of_folder());
    step(!pp_folder.empty() && pp.open_folder(pp_folder) == 0);
    step(pp.files().show_folder(pp.folders().path()) == 0);
    step(pp.show_drive_of_folder());

    for (FilePane* pane : {&cl, &pp})
        pane->show_one_folder();
    return captions;
}

// Only the mode word VAR asks for the folders and captions to be kept.
void save_settings(const PlexoPanes& panes, const WindowState& state, const UserCaptions& captions,
                   Shell& shell, const std::wstring& config_path) {
    if (state.cfg_mode != write_back_mode) return;
    const SavedSettings settings{panes.cl_folder(), panes.pp_folder(), captions};
    if (const DWORD error = replace_file_content(config_path, config_file_bytes(settings)))
        shell.message_box(L"The folders and button captions could not be saved in " + config_path +
                              L".\n\n" + desktop::system_message(error),
                          ok_only, program_title);
}

} // namespace workbench::win
