// Public-layer window state, shared by the window routines.
#pragma once

#include <array>

namespace tess {

struct Tessar01 {
    int screenWidth = 0; // pixels, from the display at start-up
    int screenHeight = 0;
    int windowWidth = 0; // client size of the current window, pixels
    int windowHeight = 0;
    int rootOpen = 0; // 1 between WindowOpen and WindowClose
    int currentWindow = 0;
    int screenColours = 0;
    std::array<int, 21> windowFlags{}; // the Flags each window was opened with
};

inline Tessar01 tessar01{};

} // namespace tess
