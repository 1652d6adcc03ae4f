#include "backend/x11/x11_keys.h"

#include <X11/keysym.h>

#include <windows.h>

#include "resource/cp1252.h"

namespace plat::x11 {
namespace {

bool is_keypad(unsigned long ks) {
    return ks >= XK_KP_Space && ks <= XK_KP_9;
}

// The keypad, named by its keysym after Num Lock and Shift: digits with Num Lock, otherwise
// the navigation keys it doubles as. Keypad Enter and Divide are extended keys as on a PC.
KeyIdentity keypad_key(unsigned long ks) {
    if (ks >= XK_KP_0 && ks <= XK_KP_9) return {VK_NUMPAD0 + static_cast<int>(ks - XK_KP_0)};
    switch (ks) {
    case XK_KP_Decimal:
    case XK_KP_Separator:
        return {ks == XK_KP_Decimal ? VK_DECIMAL : VK_SEPARATOR};
    case XK_KP_Multiply:
        return {VK_MULTIPLY};
    case XK_KP_Add:
        return {VK_ADD};
    case XK_KP_Subtract:
        return {VK_SUBTRACT};
    case XK_KP_Divide:
        return {VK_DIVIDE, true};
    case XK_KP_Enter:
        return {VK_RETURN, true};
    case XK_KP_Equal:
        return {VK_OEM_PLUS};
    case XK_KP_Space:
        return {VK_SPACE};
    case XK_KP_Tab:
        return {VK_TAB};
    case XK_KP_F1:
    case XK_KP_F2:
    case XK_KP_F3:
    case XK_KP_F4:
        return {VK_F1 + static_cast<int>(ks - XK_KP_F1)};
    // Without Num Lock the keypad's navigation keys are not extended: that is how a program
    // tells them from the separate arrow block.
    case XK_KP_Home:
        return {VK_HOME};
    case XK_KP_End:
        return {VK_END};
    case XK_KP_Prior:
        return {VK_PRIOR};
    case XK_KP_Next:
        return {VK_NEXT};
    case XK_KP_Left:
        return {VK_LEFT};
    case XK_KP_Right:
        return {VK_RIGHT};
    case XK_KP_Up:
        return {VK_UP};
    case XK_KP_Down:
        return {VK_DOWN};
    case XK_KP_Insert:
        return {VK_INSERT};
    case XK_KP_Delete:
        return {VK_DELETE};
    case XK_KP_Begin:
        return {VK_CLEAR};
    default:
        return {};
    }
}

// Punctuation by its place on the US layout, as the original platform names it there.
int punctuation_key(unsigned long ks) {
    switch (ks) {
    case XK_semicolon:
    case XK_colon:
        return VK_OEM_1;
    case XK_equal:
    case XK_plus:
        return VK_OEM_PLUS;
    case XK_comma:
    case XK_less:
        return VK_OEM_COMMA;
    case XK_minus:
    case XK_underscore:
        return VK_OEM_MINUS;
    case XK_period:
    case XK_greater:
        return VK_OEM_PERIOD;
    case XK_slash:
    case XK_question:
        return VK_OEM_2;
    case XK_grave:
    case XK_asciitilde:
        return VK_OEM_3;
    case XK_bracketleft:
    case XK_braceleft:
        return VK_OEM_4;
    case XK_backslash:
    case XK_bar:
        return VK_OEM_5;
    case XK_bracketright:
    case XK_braceright:
        return VK_OEM_6;
    case XK_apostrophe:
    case XK_quotedbl:
        return VK_OEM_7;
    // Letters of other European layouts get the codes of the German keyboard, where they are
    // the best known; the rest of Latin-1 shares one code.
    case XK_odiaeresis:
    case XK_Odiaeresis:
        return VK_OEM_3;
    case XK_adiaeresis:
    case XK_Adiaeresis:
        return VK_OEM_7;
    case XK_udiaeresis:
    case XK_Udiaeresis:
        return VK_OEM_1;
    case XK_ssharp:
        return VK_OEM_4;
    case XK_asciicircum:
    case XK_dead_circumflex:
        return VK_OEM_5;
    default:
        // Any other key that types something (Latin-1, the euro sign, a Unicode keysym).
        return (ks >= XK_nobreakspace && ks <= XK_ydiaeresis) || ks == XK_EuroSign ||
                       (ks >= 0x01000100 && ks <= 0x0110FFFF)
                   ? VK_OEM_8
                   : 0;
    }
}

KeyIdentity function_key(unsigned long ks) {
    if (ks >= XK_F1 && ks <= XK_F24) return {VK_F1 + static_cast<int>(ks - XK_F1)};
    switch (ks) {
    case XK_BackSpace:
        return {VK_BACK};
    case XK_Tab:
    case XK_ISO_Left_Tab:
        return {VK_TAB};
    case XK_Clear:
        return {VK_CLEAR};
    case XK_Return:
        return {VK_RETURN};
    case XK_Pause:
        return {VK_PAUSE};
    case XK_Break:
        return {VK_CANCEL, true};
    case XK_Scroll_Lock:
        return {VK_SCROLL};
    case XK_Sys_Req:
    case XK_Print:
        return {VK_SNAPSHOT, true};
    case XK_Escape:
        return {VK_ESCAPE};
    case XK_Delete:
        return {VK_DELETE, true};
    case XK_Home:
        return {VK_HOME, true};
    case XK_End:
        return {VK_END, true};
    case XK_Prior:
        return {VK_PRIOR, true};
    case XK_Next:
        return {VK_NEXT, true};
    case XK_Left:
        return {VK_LEFT, true};
    case XK_Right:
        return {VK_RIGHT, true};
    case XK_Up:
        return {VK_UP, true};
    case XK_Down:
        return {VK_DOWN, true};
    case XK_Insert:
        return {VK_INSERT, true};
    case XK_Select:
        return {VK_SELECT};
    case XK_Execute:
        return {VK_EXECUTE};
    case XK_Help:
        return {VK_HELP};
    case XK_Menu:
        return {VK_APPS, true};
    case XK_Num_Lock:
        return {VK_NUMLOCK, true};
    case XK_Caps_Lock:
        return {VK_CAPITAL};
    case XK_Shift_L:
    case XK_Shift_R:
        return {VK_SHIFT};
    case XK_Control_L:
        return {VK_CONTROL};
    case XK_Control_R:
        return {VK_CONTROL, true};
    // Alt is the system key. AltGr (ISO_Level3_Shift) is left out: it only chooses characters.
    case XK_Alt_L:
    case XK_Meta_L:
        return {VK_MENU};
    case XK_Alt_R:
    case XK_Meta_R:
        return {VK_MENU, true};
    case XK_Super_L:
        return {VK_LWIN, true};
    case XK_Super_R:
        return {VK_RWIN, true};
    default:
        return {};
    }
}

} // namespace

KeyIdentity key_identity(unsigned long base, unsigned long shifted) {
    if (is_keypad(shifted)) return keypad_key(shifted);
    if (is_keypad(base)) return keypad_key(base);
    for (unsigned long ks : {base, shifted}) {
        if (ks >= XK_a && ks <= XK_z) return {static_cast<int>('A' + (ks - XK_a))};
        if (ks >= XK_A && ks <= XK_Z) return {static_cast<int>(ks)};
        if (ks >= XK_0 && ks <= XK_9) return {static_cast<int>(ks)};
        if (ks == XK_space) return {VK_SPACE};
        if (const KeyIdentity f = function_key(ks); f.vk) return f;
        if (const int p = punctuation_key(ks)) return {p};
    }
    return {};
}

char typed_character(int vk, std::string_view latin1, unsigned long keysym) {
    // These keys type nothing on the original platform, though X gives Delete a DEL byte.
    if (vk == VK_DELETE || vk == VK_INSERT || vk == VK_CLEAR) return 0;
    if (latin1.size() == 1) {
        const auto c = static_cast<unsigned char>(latin1[0]);
        // Latin-1's C1 controls sit where Windows-1252 has printable characters.
        if (c >= 0x80 && c < 0xA0) return 0;
        return static_cast<char>(c);
    }
    // X's Shift+Tab (ISO_Left_Tab) types nothing; on the original platform it is still a tab.
    if (vk == VK_TAB && latin1.empty()) return '\t';
    // Windows-1252's own characters (the euro sign, curly quotes, …) arrive as keysyms that have
    // no Latin-1 byte.
    char32_t u = 0;
    if (keysym >= 0x01000100 && keysym <= 0x0110FFFF)
        u = static_cast<char32_t>(keysym - 0x01000000);
    else if (keysym == XK_EuroSign)
        u = 0x20AC;
    if (u == 0 || u > 0xFFFF) return 0;
    const std::string b = utf16_to_cp1252(std::u16string(1, static_cast<char16_t>(u)));
    return b.size() == 1 && b[0] != '?' ? b[0] : 0;
}

} // namespace plat::x11
