// The resources of test.rc arrive in the standard binary formats and decode as written.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "resource/byte_view.h"
#include "test_ids.h"
#include "win/resource.h"

namespace {

using testing::ElementsAre;

std::span<const std::byte> bytes_of(LPCSTR name, LPCSTR type) {
    auto data = plat::resource_bytes(nullptr, name, type);
    EXPECT_TRUE(data.has_value());
    return data.value_or(std::span<const std::byte>{});
}

std::vector<std::uint8_t> octets(std::span<const std::byte> data) {
    std::vector<std::uint8_t> out;
    for (std::byte b : data)
        out.push_back(std::to_integer<std::uint8_t>(b));
    return out;
}

std::u16string utf16_at(const plat::ByteView& view, std::size_t offset) {
    std::u16string text;
    while (auto c = view.u16(offset)) {
        if (*c == 0) break;
        text.push_back(static_cast<char16_t>(*c));
        offset += 2;
    }
    return text;
}

TEST(Rcdata, BytesAreExact) {
    EXPECT_THAT(octets(bytes_of(MAKEINTRESOURCEA(IDR_TABLE), RT_RCDATA)),
                ElementsAre(1, 0, 2, 0, 0xFF, 0x7F, 'a', 'b', 0, 0xFF, 0xFF));
    // Strings in RCDATA stay Windows-1252 bytes.
    EXPECT_THAT(octets(bytes_of("ControlInfo", RT_RCDATA)),
                ElementsAre('G', 'r', 0xF6, 0xDF, 'e', 0x34, 0x12, 0, 0));
    EXPECT_THAT(octets(bytes_of("Payload", "BLOB")), ElementsAre('x', 'y', 'z'));
}

TEST(Accelerators, CharacterAndVirtualKeyFormsDecode) {
    auto table = plat::decode_accelerators(bytes_of(MAKEINTRESOURCEA(IDA_MAIN), RT_ACCELERATOR));
    ASSERT_TRUE(table);
    ASSERT_EQ(table->size(), 4u);
    const auto expect = [&](std::size_t i, BYTE virt, WORD key, WORD cmd) {
        EXPECT_EQ((*table)[i].fVirt, virt) << i;
        EXPECT_EQ((*table)[i].key, key) << i;
        EXPECT_EQ((*table)[i].cmd, cmd) << i;
    };
    // "^O" may come as the control character or as VIRTKEY|CONTROL 'O'.
    const ACCEL& open = (*table)[0];
    EXPECT_TRUE((open.fVirt == 0 && open.key == 0x0F) ||
                (open.fVirt == (FVIRTKEY | FCONTROL) && open.key == 'O'));
    EXPECT_EQ(open.cmd, CMD_OPEN);
    expect(1, FVIRTKEY | FCONTROL, 'S', CMD_SAVE);
    expect(2, FVIRTKEY, 0x70, CMD_HELP);
    expect(3, FVIRTKEY | FALT | FSHIFT | FNOINVERT, 'X', CMD_QUIT);

    auto named = plat::decode_accelerators(bytes_of("Shortcuts", RT_ACCELERATOR));
    ASSERT_TRUE(named);
    ASSERT_EQ(named->size(), 1u);
    EXPECT_EQ((*named)[0].fVirt, 0);
    EXPECT_EQ((*named)[0].key, 'q');
    EXPECT_EQ((*named)[0].cmd, CMD_QUIT);
}

TEST(IconGroups, PointAtExistingIcons) {
    WORD seen = 0;
    const LPCSTR names[] = {MAKEINTRESOURCEA(IDI_APP), "AppIcon"};
    for (LPCSTR name : names) {
        auto group = plat::decode_icon_group(bytes_of(name, RT_GROUP_ICON));
        ASSERT_TRUE(group);
        EXPECT_EQ(group->type, 1);
        ASSERT_EQ(group->entries.size(), 1u);
        const plat::IconGroupEntry& e = group->entries[0];
        EXPECT_EQ(e.width, 2);
        EXPECT_EQ(e.height, 2);
        EXPECT_EQ(e.bitCount, 32);
        EXPECT_NE(e.id, seen);
        seen = e.id;
        auto directory = plat::resource_bytes(nullptr, name, RT_GROUP_ICON);
        std::vector<BYTE> copy;
        for (std::byte b : *directory)
            copy.push_back(std::to_integer<BYTE>(b));
        EXPECT_EQ(LookupIconIdFromDirectory(copy.data(), TRUE), e.id);
        EXPECT_EQ(LookupIconIdFromDirectory(copy.data(), FALSE), 0);

        HRSRC icon = FindResourceA(nullptr, MAKEINTRESOURCEA(e.id), RT_ICON);
        ASSERT_NE(icon, nullptr);
        EXPECT_EQ(SizeofResource(nullptr, icon), e.bytesInRes);
        // The image is a DIB whose height counts the colour image and its mask.
        auto image = plat::resource_bytes(nullptr, MAKEINTRESOURCEA(e.id), RT_ICON);
        const plat::ByteView view(*image);
        EXPECT_EQ(view.u32(0), 40u);
        EXPECT_EQ(view.u32(4), 2u);
        EXPECT_EQ(view.u32(8), 4u);
    }
}

TEST(Bitmaps, AreDibsWithoutTheFileHeader) {
    const LPCSTR names[] = {MAKEINTRESOURCEA(IDB_LOGO), "Banner"};
    for (LPCSTR name : names) {
        const plat::ByteView view(bytes_of(name, RT_BITMAP));
        EXPECT_EQ(view.size(), 40u + 4 * 2 * 3);
        EXPECT_EQ(view.u32(0), 40u);      // biSize
        EXPECT_EQ(view.u32(4), 4u);       // biWidth
        EXPECT_EQ(view.u32(8), 2u);       // biHeight
        EXPECT_EQ(view.u16(14), 24u);     // biBitCount
        EXPECT_EQ(view.u8(40 + 2), 0xFF); // first pixel is red, stored B, G, R
    }
}

TEST(Dialogs, BothTemplateFormsArrive) {
    const plat::ByteView about(bytes_of(MAKEINTRESOURCEA(IDD_ABOUT), RT_DIALOG));
    const DWORD style = *about.u32(0);
    EXPECT_EQ(style & 0x80000000u, 0x80000000u); // WS_POPUP
    EXPECT_EQ(style & 0x40u, 0x40u);             // DS_SETFONT, from the FONT statement
    EXPECT_EQ(about.u16(8), 2u);                 // cdit
    EXPECT_EQ(about.u16(14), 120u);              // cx
    EXPECT_EQ(about.u16(16), 60u);               // cy
    // No menu, default class, then the caption.
    EXPECT_EQ(about.u16(18), 0u);
    EXPECT_EQ(about.u16(20), 0u);
    EXPECT_EQ(utf16_at(about, 22), u"About");

    const plat::ByteView options(bytes_of("Options", RT_DIALOG));
    EXPECT_EQ(options.u16(0), 1u);      // dlgVer
    EXPECT_EQ(options.u16(2), 0xFFFFu); // signature
    EXPECT_EQ(options.u16(16), 2u);     // cDlgItems
    EXPECT_EQ(options.u16(22), 160u);   // cx
}

TEST(Menus, TemplatesHoldTheItemsAsUtf16) {
    const plat::ByteView menu(bytes_of(MAKEINTRESOURCEA(IDM_MAIN), RT_MENU));
    EXPECT_EQ(menu.u16(0), 0u);             // versionNumber
    EXPECT_EQ(menu.u16(2), 0u);             // offset
    EXPECT_EQ(*menu.u16(4) & 0x10u, 0x10u); // MF_POPUP
    EXPECT_EQ(utf16_at(menu, 6), u"&File");

    const plat::ByteView popup(bytes_of("Popup", RT_MENU));
    EXPECT_EQ(utf16_at(popup, 6), u"Context");
}

TEST(LoadStringA, ConvertsToWindows1252) {
    char buffer[64];
    EXPECT_EQ(LoadStringA(nullptr, IDS_TITLE, buffer, sizeof buffer), 11);
    EXPECT_STREQ(buffer, "Tessaramond");
    EXPECT_EQ(LoadStringA(nullptr, IDS_SIZE, buffer, sizeof buffer), 5);
    EXPECT_STREQ(buffer, "Gr\xF6\xDF"
                         "e");
    // Typographic quotes, the en dash and the euro sign live in 0x80-0x9F.
    EXPECT_EQ(LoadStringA(plat::default_module(), IDS_QUOTES, buffer, sizeof buffer), 11);
    EXPECT_STREQ(buffer, "\x84Zitat\x93 \x96 \x80");
}

TEST(LoadStringA, TruncatesAndTerminates) {
    char buffer[8];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(LoadStringA(nullptr, IDS_TITLE, buffer, 4), 3);
    EXPECT_STREQ(buffer, "Tes");
    EXPECT_EQ(buffer[4], 'x');
    EXPECT_EQ(LoadStringA(nullptr, IDS_TITLE, buffer, 1), 0);
    EXPECT_EQ(buffer[0], '\0');

    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(LoadStringA(nullptr, IDS_TITLE, buffer, 0), 0);
    EXPECT_EQ(buffer[0], 'x');
}

TEST(LoadStringA, MissingStringsGiveZeroAndAnEmptyBuffer) {
    char buffer[16] = "stale";
    // An empty slot in an existing block, then a block that does not exist.
    EXPECT_EQ(LoadStringA(nullptr, IDS_TITLE + 1, buffer, sizeof buffer), 0);
    EXPECT_STREQ(buffer, "");
    std::strcpy(buffer, "stale");
    EXPECT_EQ(LoadStringA(nullptr, 4000, buffer, sizeof buffer), 0);
    EXPECT_STREQ(buffer, "");
}

} // namespace
