// Menus from templates, and the calls that query and change their items.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include <windows.h>

#include "test_ids.h"

namespace {

std::string text_of(HMENU menu, UINT item, UINT flags) {
    char buffer[64];
    const int n = GetMenuStringA(menu, item, buffer, sizeof buffer, flags);
    return std::string(buffer, static_cast<std::size_t>(n));
}

TEST(Menu, TemplateBecomesABarWithItsPopup) {
    const HMENU bar = LoadMenuA(nullptr, MAKEINTRESOURCEA(IDM_MAIN));
    ASSERT_TRUE(bar);
    ASSERT_EQ(GetMenuItemCount(bar), 1);
    EXPECT_EQ(text_of(bar, 0, MF_BYPOSITION), "&File");
    const HMENU file = GetSubMenu(bar, 0);
    ASSERT_TRUE(file);
    EXPECT_EQ(GetMenuItemCount(file), 4);
    EXPECT_EQ(GetMenuItemID(file, 0), static_cast<UINT>(CMD_OPEN));
    EXPECT_EQ(text_of(file, CMD_OPEN, MF_BYCOMMAND), "&Open...\tCtrl+O");
    EXPECT_EQ(GetMenuState(file, 2, MF_BYPOSITION) & MF_SEPARATOR, MF_SEPARATOR);
    EXPECT_EQ(GetMenuState(bar, CMD_SAVE, MF_BYCOMMAND) & MF_GRAYED, MF_GRAYED);
    // A pop-up's state carries its item count in the high byte.
    EXPECT_EQ(GetMenuState(bar, 0, MF_BYPOSITION) >> 8, 4u);
    EXPECT_TRUE(DestroyMenu(bar));
    EXPECT_FALSE(IsMenu(file)); // destroyed with its bar
}

TEST(Menu, EnableAndCheckByCommandReachIntoPopups) {
    const HMENU bar = LoadMenuA(nullptr, MAKEINTRESOURCEA(IDM_MAIN));
    EXPECT_EQ(EnableMenuItem(bar, CMD_SAVE, MF_BYCOMMAND | MF_ENABLED),
              static_cast<DWORD>(MF_GRAYED));
    EXPECT_EQ(GetMenuState(bar, CMD_SAVE, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED), 0u);
    EXPECT_EQ(CheckMenuItem(bar, CMD_QUIT, MF_BYCOMMAND | MF_CHECKED),
              static_cast<DWORD>(MF_UNCHECKED));
    EXPECT_EQ(GetMenuState(bar, CMD_QUIT, MF_BYCOMMAND) & MF_CHECKED, MF_CHECKED);
    // By position on the bar: the pop-up item itself.
    EXPECT_EQ(EnableMenuItem(bar, 0, MF_BYPOSITION | MF_GRAYED), 0u);
    EXPECT_EQ(GetMenuState(bar, 0, MF_BYPOSITION) & MF_GRAYED, MF_GRAYED);
    // MF_DISABLED is kept apart from MF_GRAYED.
    EnableMenuItem(bar, CMD_OPEN, MF_BYCOMMAND | MF_DISABLED);
    EXPECT_EQ(GetMenuState(bar, CMD_OPEN, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED), MF_DISABLED);
    EXPECT_EQ(EnableMenuItem(bar, 4711, MF_BYCOMMAND), 0xFFFFFFFFu);
    EXPECT_EQ(CheckMenuItem(bar, 9, MF_BYPOSITION), 0xFFFFFFFFu);
    DestroyMenu(bar);
}

TEST(Menu, BuildingAndChangingMenus) {
    const HMENU bar = CreateMenu();
    const HMENU popup = CreatePopupMenu();
    AppendMenuA(popup, MF_STRING, 10, "&Eins");
    AppendMenuA(popup, MF_STRING, 30, "&Drei");
    InsertMenuA(popup, 30, MF_BYCOMMAND | MF_STRING, 20, "&Zwei");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), "&Zahlen");
    AppendMenuA(bar, MF_STRING | MF_MENUBARBREAK, 40, "&Ende");
    EXPECT_EQ(GetMenuItemID(popup, 1), 20u);
    EXPECT_TRUE(ModifyMenuA(bar, 20, MF_BYCOMMAND | MF_STRING, 21, "Zwei!"));
    EXPECT_EQ(text_of(bar, 21, MF_BYCOMMAND), "Zwei!");
    EXPECT_EQ(GetMenuState(bar, 1, MF_BYPOSITION) & MF_MENUBARBREAK, MF_MENUBARBREAK);
    EXPECT_TRUE(RemoveMenu(bar, 0, MF_BYPOSITION));
    EXPECT_TRUE(IsMenu(popup)); // removed, not destroyed
    EXPECT_TRUE(DeleteMenu(popup, 10, MF_BYCOMMAND));
    EXPECT_EQ(GetMenuItemCount(popup), 2);
    EXPECT_FALSE(DeleteMenu(popup, 10, MF_BYCOMMAND));
    EXPECT_FALSE(AppendMenuA(bar, MF_POPUP, 12345, "kaputt")); // not a menu
    DestroyMenu(popup);
    DestroyMenu(bar);
    EXPECT_EQ(GetMenuItemCount(bar), -1);
}

TEST(Menu, MalformedTemplatesAreRefused) {
    const unsigned char truncated[] = {0, 0, 0, 0, 0x90, 0, 'A', 0}; // pop-up, text unterminated
    EXPECT_EQ(LoadMenuIndirectA(truncated), nullptr); // not from the resources: never read
    // A template from the resources loads indirectly as well.
    const HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(IDM_MAIN), RT_MENU);
    const HMENU menu = LoadMenuIndirectA(LockResource(LoadResource(nullptr, found)));
    ASSERT_TRUE(menu);
    EXPECT_EQ(GetMenuItemCount(GetSubMenu(menu, 0)), 4);
    DestroyMenu(menu);
    EXPECT_EQ(LoadMenuA(nullptr, MAKEINTRESOURCEA(999)), nullptr);
}

// A program that makes a pop-up menu for every right click must not grow the menu table: the
// handles of destroyed menus come back, the longest destroyed first.
TEST(Menu, DestroyedMenusGiveTheirHandlesBack) {
    const HMENU first = CreatePopupMenu();
    const HMENU second = CreatePopupMenu();
    ASSERT_TRUE(DestroyMenu(first));
    ASSERT_TRUE(DestroyMenu(second));
    std::uintptr_t highest = 0;
    for (int i = 0; i < 1000; ++i) {
        const HMENU bar = LoadMenuA(nullptr, MAKEINTRESOURCEA(IDM_MAIN)); // a bar and a pop-up
        ASSERT_TRUE(bar);
        highest = std::max({highest, reinterpret_cast<std::uintptr_t>(bar),
                            reinterpret_cast<std::uintptr_t>(GetSubMenu(bar, 0))});
        ASSERT_TRUE(DestroyMenu(bar));
    }
    EXPECT_LE(highest, std::max(reinterpret_cast<std::uintptr_t>(first),
                                reinterpret_cast<std::uintptr_t>(second)));
    EXPECT_FALSE(IsMenu(first)); // its slot, reused and destroyed again
}

} // namespace
