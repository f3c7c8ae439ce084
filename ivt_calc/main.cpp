#include "win/ivt_window.h"

#include "desktop/run.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
    return desktop::run<ivt_calc::IvtWindow>(show);
}
