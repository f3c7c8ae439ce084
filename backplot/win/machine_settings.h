#pragma once
// The machine's settings for a file: the settings file the user chose, or the one the NC
// program's (SETTINGS ...) note names, looked for where settings_search.h says.

#include "machine/settings.h"

#include <optional>
#include <string>
#include <string_view>

namespace backplot::win {

struct MachineSettings {
    std::optional<machine::Settings> settings;
    std::wstring note; // for the picture: the file they came from, or why there are none
};

MachineSettings machine_settings(const std::wstring& program_path, std::string_view bytes,
                                 const std::optional<std::wstring>& chosen_file);

} // namespace backplot::win
