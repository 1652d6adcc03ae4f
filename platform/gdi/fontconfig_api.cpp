#include "gdi/fontconfig_api.h"

#include <dlfcn.h>

namespace plat {
namespace {

template <typename F> bool resolve(void* lib, const char* name, F& out) {
    out = reinterpret_cast<F>(dlsym(lib, name));
    return out != nullptr;
}

FontconfigApi* open_api() {
    // The library stays loaded for the rest of the process: its faces' strings outlive calls.
    void* lib = dlopen("libfontconfig.so.1", RTLD_NOW | RTLD_LOCAL);
    if (!lib) return nullptr;
    static FontconfigApi api;
    const bool all = resolve(lib, "FcInit", api.init) && resolve(lib, "FcFini", api.fini) &&
                     resolve(lib, "FcPatternCreate", api.patternCreate) &&
                     resolve(lib, "FcPatternDestroy", api.patternDestroy) &&
                     resolve(lib, "FcPatternAddString", api.addString) &&
                     resolve(lib, "FcPatternAddInteger", api.addInteger) &&
                     resolve(lib, "FcPatternAddBool", api.addBool) &&
                     resolve(lib, "FcPatternGetString", api.getString) &&
                     resolve(lib, "FcPatternGetInteger", api.getInteger) &&
                     resolve(lib, "FcConfigSubstitute", api.configSubstitute) &&
                     resolve(lib, "FcDefaultSubstitute", api.defaultSubstitute) &&
                     resolve(lib, "FcFontMatch", api.fontMatch);
    return all ? &api : nullptr;
}

} // namespace

const FontconfigApi* fontconfig_api() {
    static const FontconfigApi* api = open_api();
    return api;
}

} // namespace plat
