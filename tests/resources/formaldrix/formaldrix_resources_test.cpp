// The demo's compiled resources: the menu the program dispatches on, the accelerators its menu
// texts announce, the identifier table that names the pop-ups, and the icon.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>
#include <vector>

#include <windows.h>

namespace {

constexpr WORD MenuId = 30001;

struct Item {
    std::string text;
    UINT id; // 0 for a separator
};

std::string text_at(HMENU menu, int position) {
    char buffer[128];
    GetMenuStringA(menu, static_cast<UINT>(position), buffer, sizeof buffer, MF_BYPOSITION);
    return buffer;
}

std::vector<Item> items_of(HMENU menu) {
    std::vector<Item> items;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        const UINT state = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
        items.push_back({text_at(menu, i), (state & MF_SEPARATOR) ? 0u : GetMenuItemID(menu, i)});
    }
    return items;
}

bool operator==(const Item& a, const Item& b) {
    return a.text == b.text && a.id == b.id;
}

void PrintTo(const Item& item, std::ostream* os) {
    *os << '"' << item.text << "\" " << item.id;
}

class FormaldrixResources : public ::testing::Test {
protected:
    void SetUp() override { menu = LoadMenuA(nullptr, MAKEINTRESOURCEA(MenuId)); }
    void TearDown() override { DestroyMenu(menu); }
    HMENU menu = nullptr;
};

TEST_F(FormaldrixResources, MenuHasThePopupsItemsAndCommandsTheProgramDispatchesOn) {
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(GetMenuItemCount(menu), 3);
    EXPECT_EQ(text_at(menu, 0), "&Datei");
    EXPECT_EQ(text_at(menu, 1), "&Berechnung");
    EXPECT_EQ(text_at(menu, 2), "&Hilfe");
    EXPECT_EQ(
        items_of(GetSubMenu(menu, 0)),
        (std::vector<Item>{
            {"&Laden\tCtrl+O", 40003}, {"&Speichern\tCtrl+S", 40011}, {"", 0}, {"&Ende", 40009}}));
    EXPECT_EQ(items_of(GetSubMenu(menu, 1)), (std::vector<Item>{{"Formel (\"Sin+Cos\")", 40005}}));
    EXPECT_EQ(items_of(GetSubMenu(menu, 2)), (std::vector<Item>{{"Info", 40006}}));
    // Everything starts enabled: the program greys "&Speichern" itself.
    for (int p = 0; p < 3; ++p)
        EXPECT_EQ(GetMenuState(menu, static_cast<UINT>(p), MF_BYPOSITION) & 0xFF, MF_POPUP) << p;
    for (UINT id : {40003u, 40011u, 40009u, 40005u, 40006u})
        EXPECT_EQ(GetMenuState(menu, id, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED), 0u) << id;
}

TEST_F(FormaldrixResources, AcceleratorsAreTheKeysTheMenuTextsShow) {
    const auto bytes = plat::resource_bytes(nullptr, MAKEINTRESOURCEA(MenuId), RT_ACCELERATOR);
    ASSERT_TRUE(bytes);
    const auto entries = plat::decode_accelerators(*bytes);
    ASSERT_TRUE(entries);
    ASSERT_EQ(entries->size(), 2u);
    for (const ACCEL& a : *entries) {
        EXPECT_EQ(a.fVirt & (FVIRTKEY | FCONTROL | FSHIFT | FALT), FVIRTKEY | FCONTROL);
        char buffer[128];
        ASSERT_GT(GetMenuStringA(menu, a.cmd, buffer, sizeof buffer, MF_BYCOMMAND), 0) << a.cmd;
        const std::string shown = std::string("\tCtrl+") + static_cast<char>(a.key);
        const std::string text = buffer;
        EXPECT_EQ(text.substr(text.find('\t')), shown) << a.cmd;
    }
    EXPECT_EQ((*entries)[0].cmd, 40003);
    EXPECT_EQ((*entries)[0].key, 'O');
    EXPECT_EQ((*entries)[1].cmd, 40011);
    EXPECT_EQ((*entries)[1].key, 'S');
    EXPECT_NE(LoadAcceleratorsA(nullptr, MAKEINTRESOURCEA(MenuId)), nullptr);
}

TEST_F(FormaldrixResources, IdentifierTableIsTheTwentyBytesNamingThePopups) {
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(MenuId), RT_RCDATA);
    ASSERT_NE(found, nullptr);
    ASSERT_EQ(SizeofResource(nullptr, found), 20u);
    const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, found)));
    ASSERT_NE(data, nullptr);
    const std::array<BYTE, 20> expected{0x41, 0x9C, 0x01, 0x00, 0x00, 0x00, 0x42, 0x9C, 0x02, 0x00,
                                        0x00, 0x00, 0x44, 0x9C, 0x03, 0x00, 0x00, 0x00, 0x00, 0x00};
    EXPECT_EQ(std::memcmp(data, expected.data(), expected.size()), 0);
    // Each path is one step onto the bar, and each names a pop-up there.
    for (int entry = 0; entry < 3; ++entry) {
        const int position = data[6 * entry + 2] - 1;
        EXPECT_NE(GetSubMenu(menu, position), nullptr) << entry;
    }
}

TEST_F(FormaldrixResources, IconHasItsTwoSizes) {
    const auto group = plat::resource_bytes(nullptr, "icon1", RT_GROUP_ICON);
    ASSERT_TRUE(group);
    const auto icons = plat::decode_icon_group(*group);
    ASSERT_TRUE(icons);
    ASSERT_EQ(icons->entries.size(), 2u);
    EXPECT_EQ(icons->entries[0].width, 32);
    EXPECT_EQ(icons->entries[0].height, 32);
    EXPECT_EQ(icons->entries[1].width, 16);
    EXPECT_EQ(icons->entries[1].height, 16);
    const HICON icon = LoadIconA(plat::default_module(), "icon1");
    EXPECT_NE(icon, nullptr);
    DestroyIcon(icon);
}

} // namespace
