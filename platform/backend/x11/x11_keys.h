// X keysyms to the layer's virtual-key codes and Windows-1252 characters. Pure functions, so
// the keyboard table is tested without a display.
#pragma once

#include <string_view>

namespace plat::x11 {

struct KeyIdentity {
    int vk = 0;            // 0: the key has no virtual-key code and is ignored
    bool extended = false; // bit 24 of the key messages' lParam
};

// base is the keysym at the key's first level (what the key is called), shifted the keysym
// XLookupString chose with the modifiers and Num Lock applied. The keypad is named by the
// shifted keysym, so Num Lock decides between VK_NUMPAD7 and VK_HOME; everything else by the
// base keysym, so Shift+1 is still the '1' key.
KeyIdentity key_identity(unsigned long base, unsigned long shifted);

// The Windows-1252 byte a key types, from what XLookupString wrote (Latin-1) and its keysym;
// 0 when it types nothing the toolkit would see as a character.
char typed_character(int vk, std::string_view latin1, unsigned long keysym);

} // namespace plat::x11
