#include "app/command_line.h"
#include "win/backplot_window.h"

#include <desktop/run.h>

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR arguments, int show_command) {
    return desktop::run<backplot::win::BackplotWindow>(show_command,
                                                       backplot::path_argument(arguments));
}
