#include "public/program_resources.h"

#include <windows.h>

namespace tess {

void register_program_resources(std::span<const std::byte> res) {
    plat::register_module(res);
}

} // namespace tess
