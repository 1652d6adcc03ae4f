// Public-layer text-output mode: two characters; strings are written only while the second is
// a blank. Both are zero bytes until WindowOpen, so output before it is dropped.
#pragma once

#include <array>

namespace tess {

struct Tessar02 {
    std::array<char, 2> textMode{};
};

inline Tessar02 tessar02{};

} // namespace tess
