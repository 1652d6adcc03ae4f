// The sample program: a frame with a menu bar and a few lines of text.
#include <cstdio>
#include <string>

#include <platform_start.h>

#include "sample/sample_window.h"

int main() {
    std::string reason;
    if (!plat::start_backend(reason)) {
        std::fprintf(stderr, "%s\n", reason.c_str());
        return 1;
    }
    const int result = sample::run_sample(nullptr, SW_SHOWNORMAL);
    plat::stop_backend();
    return result;
}
