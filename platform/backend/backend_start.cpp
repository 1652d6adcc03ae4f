#include <platform_start.h>

#include <cstdlib>
#include <cstring>

#include "backend/headless/headless_backend.h"

namespace plat {

bool start_backend(std::string& reason) {
    const char* choice = std::getenv("TESS_BACKEND");
    if (choice && std::strcmp(choice, "headless") == 0) {
        use_headless_backend();
        return true;
    }
    reason = "no display: set TESS_BACKEND=headless to run on the in-memory screen";
    return false;
}

void stop_backend() {}

} // namespace plat
