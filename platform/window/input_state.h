// The keyboard and pointer state the input files share.
#pragma once

#include <array>

#include <windows.h>

namespace plat {

struct InputState {
    std::array<BYTE, 256> keys{};   // as the devices are: bit 7 down, bit 0 toggled
    std::array<BYTE, 256> synced{}; // the same, as of the last input message taken
    std::array<char, 256> typed{};  // the character the last key-down taken of each key types
    // Key-downs taken lately with their characters, newest last: TranslateMessage gives each
    // press the character it typed, whatever was typed after it.
    struct TakenKey {
        MSG msg;
        char character;
    };
    std::array<TakenKey, 8> taken{};
    std::size_t takenCount = 0;
    POINT cursor{};
    HWND capture = nullptr;
    DWORD lastClickTime = 0;
    POINT lastClickPos{};
    UINT lastClickMessage = 0;
    HWND lastClickWindow = nullptr;
    HWND pressTarget = nullptr; // where the held button went down: it keeps the pointer
};

InputState& input_state();

// Input goes nowhere while the window, an ancestor or the owner of its top-level window is
// disabled.
bool accepts_input(HWND hwnd);

} // namespace plat
