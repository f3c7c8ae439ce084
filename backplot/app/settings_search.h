#pragma once
// Where the machine's settings file of an NC program is found. The program names it in its
// setup notes, (SETTINGS MILL5X.PPTABLE): the file beside the post-processor that wrote it.
// The post-processors' folder is the one the workbench uses, Plexo.cfg's second folder, when
// Backplot lies in the workbench's folder; else the NC program's own folder and \trelvo\bin on
// its drive are tried.

#include "paths.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace backplot {

// The post-processors' folder in the text of Plexo.cfg: its second folder (the third value,
// after the mode word and the CL folder); nothing when the file does not name one.
std::optional<std::wstring> pp_folder_of_config(std::wstring text);

struct SettingsPlaces {
    std::wstring program_path;             // the NC program's full path
    std::optional<std::wstring> pp_folder; // from Plexo.cfg beside Backplot, when there is one
};

// The paths to try for the settings file `name`, in order: in the post-processors' folder,
// in the NC program's folder, in \trelvo\bin on the NC program's drive; each folder once. Only
// the name's last part counts: a note never leads elsewhere. None for an empty name.
std::vector<std::wstring> settings_candidates(std::wstring_view name, const SettingsPlaces& places);

// What the picture notes when the settings file named was not found: "No settings file
// MILL5X.PPTABLE in C:\trelvo\bin or C:\JOBS\DEMO: choose it with File, Machine Settings."
std::wstring settings_not_found_note(std::wstring_view name,
                                     const std::vector<std::wstring>& candidates);

} // namespace backplot
