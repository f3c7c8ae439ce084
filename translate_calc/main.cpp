#include "win/translate_window.h"

#include "desktop/run.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
    return desktop::run<translate_calc::TranslateWindow>(show);
}
