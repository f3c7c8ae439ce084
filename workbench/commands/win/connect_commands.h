#pragma once
// Connects the workbench window's command buttons, and the double-click in FilAPT, to the
// commands. The state, panes and shell must outlive the form.

#include "commands/panes.h"
#include "commands/shell.h"
#include "core/window_state.h"

#include <desktop/form.h>

namespace workbench {

void connect_commands(desktop::Form& form, WindowState& state, Panes& panes, Shell& shell);

} // namespace workbench
