// Public-layer directory separator, a character code.
#pragma once

namespace tess {

struct Tessar05 {
    int directorySeparator = 0;
};

inline Tessar05 tessar05{};

} // namespace tess
