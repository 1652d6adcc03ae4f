// fontconfig opened at its first use: a program whose faces are all remembered (face_cache.h)
// neither maps the library nor pays for its relocations at start-up.
#pragma once

#include <fontconfig/fontconfig.h>

namespace plat {

struct FontconfigApi {
    decltype(&FcInit) init;
    decltype(&FcFini) fini;
    decltype(&FcPatternCreate) patternCreate;
    decltype(&FcPatternDestroy) patternDestroy;
    decltype(&FcPatternAddString) addString;
    decltype(&FcPatternAddInteger) addInteger;
    decltype(&FcPatternAddBool) addBool;
    decltype(&FcPatternGetString) getString;
    decltype(&FcPatternGetInteger) getInteger;
    decltype(&FcConfigSubstitute) configSubstitute;
    decltype(&FcDefaultSubstitute) defaultSubstitute;
    decltype(&FcFontMatch) fontMatch;
};

// The library's routines, or null when it cannot be opened or lacks one of them.
const FontconfigApi* fontconfig_api();

} // namespace plat
