#include "win/rotate_window.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show_command) {
    rotate_calc::RotateWindow window;
    window.show(show_command);
    return desktop::run_message_loop(window);
}
