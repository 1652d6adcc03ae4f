#include "dialogs/toolkit_resources.h"

#include <cstddef>
#include <span>

// Defined by the build from the toolkit's resource script.
std::span<const std::byte> tess_toolkit_resource_bytes();

namespace tess {

LPCDLGTEMPLATEA toolkit_dialog_template(int id) {
    // Registering makes a module the program's default, so the toolkit's is registered only
    // while its template is looked up; the bytes themselves are static and stay valid.
    const HINSTANCE module = plat::register_module(tess_toolkit_resource_bytes());
    const auto bytes = plat::resource_bytes(module, MAKEINTRESOURCEA(id), RT_DIALOG);
    plat::unregister_module(module);
    if (!bytes || bytes->size() < sizeof(DLGTEMPLATE)) return nullptr;
    return reinterpret_cast<LPCDLGTEMPLATEA>(bytes->data());
}

} // namespace tess
