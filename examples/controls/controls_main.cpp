// The controls example: a frame with one of each control; every notification is shown on its
// status line and written to standard output.
#include <cstdio>
#include <string>

#include <platform_start.h>

#include "controls/controls_window.h"

int main() {
    std::string reason;
    if (!plat::start_backend(reason)) {
        std::fprintf(stderr, "%s\n", reason.c_str());
        return 1;
    }
    controls_example::set_status_log(stdout);
    const int result = controls_example::run_controls(nullptr, SW_SHOWNORMAL);
    plat::stop_backend();
    return result;
}
