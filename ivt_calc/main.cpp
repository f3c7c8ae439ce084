#include "win/ivt_window.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show_command) {
    ivt::InverseTimeWindow window;
    window.show(show_command);
    return desktop::run_message_loop(window);
}
