// The keyboard table without a display: keysyms as X reports them, virtual keys and
// characters as the original platform gives them.
#include <gtest/gtest.h>

#include <X11/keysym.h>

#include <windows.h>

#include "backend/x11/x11_keys.h"

using plat::x11::key_identity;
using plat::x11::typed_character;

namespace {

struct Row {
    unsigned long base, shifted;
    int vk;
    bool extended;
};

// base: the key's first-level keysym; shifted: what XLookupString chose.
const Row rows[] = {
    {XK_a, XK_A, 'A', false},
    {XK_1, XK_exclam, '1', false},
    {XK_space, XK_space, VK_SPACE, false},
    {XK_F1, XK_F1, VK_F1, false},
    {XK_F24, XK_F24, VK_F24, false},
    {XK_Tab, XK_ISO_Left_Tab, VK_TAB, false},
    {XK_Return, XK_Return, VK_RETURN, false},
    {XK_KP_Enter, XK_KP_Enter, VK_RETURN, true},
    {XK_Right, XK_Right, VK_RIGHT, true},
    {XK_Home, XK_Home, VK_HOME, true},
    {XK_Prior, XK_Prior, VK_PRIOR, true},
    {XK_Delete, XK_Delete, VK_DELETE, true},
    // The keypad by its Num Lock state: digits and the decimal point, or the navigation keys,
    // which are then not extended.
    {XK_KP_Home, XK_KP_7, VK_NUMPAD0 + 7, false},
    {XK_KP_Home, XK_KP_Home, VK_HOME, false},
    {XK_KP_Insert, XK_KP_0, VK_NUMPAD0, false},
    {XK_KP_Delete, XK_KP_Decimal, VK_DECIMAL, false},
    {XK_KP_Delete, XK_KP_Delete, VK_DELETE, false},
    {XK_KP_Begin, XK_KP_Begin, VK_CLEAR, false},
    {XK_KP_Divide, XK_KP_Divide, VK_DIVIDE, true},
    {XK_Shift_L, XK_Shift_L, VK_SHIFT, false},
    {XK_Control_R, XK_Control_R, VK_CONTROL, true},
    {XK_Alt_L, XK_Alt_L, VK_MENU, false},
    {XK_Meta_L, XK_Meta_L, VK_MENU, false},
    {XK_Caps_Lock, XK_Caps_Lock, VK_CAPITAL, false},
    {XK_Num_Lock, XK_Num_Lock, VK_NUMLOCK, true},
    {XK_Scroll_Lock, XK_Scroll_Lock, VK_SCROLL, false},
    {XK_Print, XK_Print, VK_SNAPSHOT, true},
    {XK_Pause, XK_Pause, VK_PAUSE, false},
    {XK_Menu, XK_Menu, VK_APPS, true},
    {XK_Escape, XK_Escape, VK_ESCAPE, false},
    {XK_BackSpace, XK_BackSpace, VK_BACK, false},
    {XK_semicolon, XK_colon, VK_OEM_1, false},
    {XK_minus, XK_underscore, VK_OEM_MINUS, false},
    {XK_bracketleft, XK_braceleft, VK_OEM_4, false},
    {XK_odiaeresis, XK_Odiaeresis, VK_OEM_3, false},
    {XK_eacute, XK_Eacute, VK_OEM_8, false},
    {XK_EuroSign, XK_EuroSign, VK_OEM_8, false},
};

TEST(X11Keys, KeysymsGiveVirtualKeysAndTheExtendedBit) {
    for (const Row& r : rows) {
        const auto key = key_identity(r.base, r.shifted);
        EXPECT_EQ(key.vk, r.vk) << std::hex << "keysym 0x" << r.base << "/0x" << r.shifted;
        EXPECT_EQ(key.extended, r.extended) << std::hex << "keysym 0x" << r.base;
    }
}

TEST(X11Keys, KeysWithoutAVirtualKeyAreIgnored) {
    EXPECT_EQ(key_identity(XK_ISO_Level3_Shift, XK_ISO_Level3_Shift).vk, 0); // AltGr
    EXPECT_EQ(key_identity(0, 0).vk, 0);
}

TEST(X11Keys, CharactersAreWindows1252Bytes) {
    EXPECT_EQ(typed_character('A', "a", XK_a), 'a');
    EXPECT_EQ(typed_character(VK_OEM_3, "\xF6", XK_odiaeresis), '\xF6');
    EXPECT_EQ(typed_character('A', "\x01", XK_a), '\x01'); // Ctrl+A
    EXPECT_EQ(typed_character(VK_RETURN, "\r", XK_Return), '\r');
    // X's Shift+Tab types nothing, the original platform a tab.
    EXPECT_EQ(typed_character(VK_TAB, "", XK_ISO_Left_Tab), '\t');
    // The euro sign and other characters Latin-1 lacks come by keysym.
    EXPECT_EQ(typed_character(VK_OEM_8, "", XK_EuroSign), '\x80');
    EXPECT_EQ(typed_character(VK_OEM_8, "", 0x01002019), '\x92'); // right single quote
    // Characters Windows-1252 cannot hold type nothing.
    EXPECT_EQ(typed_character(VK_OEM_8, "", 0x01000416), '\0'); // Cyrillic Zhe
}

TEST(X11Keys, EditingKeysTypeNothing) {
    EXPECT_EQ(typed_character(VK_DELETE, "\x7F", XK_Delete), '\0');
    EXPECT_EQ(typed_character(VK_INSERT, "", XK_Insert), '\0');
    EXPECT_EQ(typed_character(VK_HOME, "", XK_Home), '\0');
    // A C1 control from Latin-1 is not Windows-1252 text.
    EXPECT_EQ(typed_character(VK_OEM_8, "\x85", 0x85), '\0');
}

} // namespace
