// Character files: the parser and the stroke interpretation of every code in both directions,
// through the entry the character-set code keeps for this.
#include <cstdlib>

#include "graphics/charset.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const int range = tess::charset_parse(data, size);
    if (range != 0 && range != 7 && range != 8) std::abort();
    return 0;
}
