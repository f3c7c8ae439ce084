#include "win/rotate_window.h"

#include "desktop/run.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
    return desktop::run<rotate_calc::RotateWindow>(show);
}
