#include "win/machine_settings.h"

#include "app/settings_search.h"
#include "core/config_file.h"
#include "core/text_encoding.h"
#include "setup_notes.h"
#include "win/file_reading.h"

#include <desktop/win32.h>

namespace backplot::win {

namespace {

std::wstring widened(std::string_view text) {
    return workbench::decode_text(text, desktop::from_ansi);
}

MachineSettings read_settings_file(const std::wstring& path) {
    const FileRead read = read_file(path);
    if (!read.bytes)
        return {std::nullopt,
                L"The settings file " + path + L" could not be read: " + read.failure};
    try {
        return {machine::read_settings(*read.bytes), L"Machine settings: " + path};
    } catch (const machine::SettingsError& error) {
        std::wstring where = error.line() > 0 ? L", line " + std::to_wstring(error.line()) : L"";
        return {std::nullopt, L"The settings file " + path + where + L": " + widened(error.what())};
    }
}

// The post-processors' folder of the workbench whose folder Backplot lies in.
std::optional<std::wstring> workbench_pp_folder() {
    const std::wstring folder = desktop::program_folder();
    if (folder.empty()) return std::nullopt;
    const FileRead config = read_file(folder + L"\\" + std::wstring(workbench::config_file_name));
    if (!config.bytes) return std::nullopt;
    return pp_folder_of_config(widened(*config.bytes));
}

} // namespace

MachineSettings machine_settings(const std::wstring& program_path, std::string_view bytes,
                                 const std::optional<std::wstring>& chosen_file) {
    if (chosen_file) return read_settings_file(*chosen_file);
    const SetupNotes notes = read_setup_notes(bytes);
    if (!notes.settings_file) return {};
    const std::wstring name = widened(*notes.settings_file);
    const auto candidates = settings_candidates(name, {program_path, workbench_pp_folder()});
    for (const std::wstring& path : candidates)
        if (stamp_of(path).exists) return read_settings_file(path);
    return {std::nullopt, settings_not_found_note(name, candidates)};
}

} // namespace backplot::win
