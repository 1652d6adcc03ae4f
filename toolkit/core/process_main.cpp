// main() of a toolkit program: choose the backend, then enter through WinMain.
#include <cstdio>
#include <string>

#include "core/winmain.h"
#include <platform_start.h>

int main() {
    std::string reason;
    if (!plat::start_backend(reason)) {
        std::fprintf(stderr, "%s\n", reason.c_str());
        return 1;
    }
    const int result = WinMain(nullptr, nullptr, nullptr, 1);
    plat::stop_backend();
    return result == 1 ? 0 : 1;
}
