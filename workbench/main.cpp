#include "win/plexo_window.h"

#include <desktop/run.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show_command) {
    // A drive without its medium is reported by the panes, not by a system dialog.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    return desktop::run<workbench::win::PlexoWindow>(show_command);
}
