#include "win/halvex_window.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show_command) {
    translate_calc::HalvexWindow window;
    window.show(show_command);
    return desktop::run_message_loop(window);
}
