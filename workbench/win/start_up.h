#pragma once
// Start-up from Plexo.cfg, and its saving at Exit, over the panes and the Shell.

#include "commands/shell.h"
#include "core/window_state.h"
#include "win/plexo_panes.h"

#include <array>
#include <string>

namespace workbench::win {

// The captions of CmdUser1 to CmdUser3 as Plexo.cfg holds them.
using UserCaptions = std::array<std::wstring, 3>;

// Start-up with the configuration file at `config_path` (none when empty): the file types,
// the panes' first folders, then the mode word (into CfgMode), the folders and the captions
// that the file holds. Every failing step shows the same words through the shell, its
// button kept in Answer, and start-up goes on with the next step.
UserCaptions start_up(PlexoPanes& panes, WindowState& state, Shell& shell,
                      const std::wstring& config_path);

// Exit's saving: the panes' folders and the captions, only when the mode word asks for it.
// A file that cannot be written is told through the shell.
void save_settings(const PlexoPanes& panes, const WindowState& state, const UserCaptions& captions,
                   Shell& shell, const std::wstring& config_path);

} // namespace workbench::win
