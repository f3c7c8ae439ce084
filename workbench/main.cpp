#include "commands/win/connect_commands.h"
#include "commands/win/win32_shell.h"
#include "win/file_system.h"
#include "win/plexo_window.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show_command) {
    // A drive without its medium is reported by the panes, not by a system dialog.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    workbench::win::PlexoWindow window(workbench::win::program_folder() + L"\\Plexo.cfg");
    workbench::Win32Shell shell(window.form().window());
    workbench::connect_commands(window.form(), window.state(), window, shell);
    window.form().show(show_command);
    return desktop::run_message_loop(window.form());
}
