// The .res reader and the decoders on hand-made data: languages, order, and malformed input.
#include <gtest/gtest.h>

#include "res_builder.h"
#include "resource/res_reader.h"
#include "win/resource.h"

namespace {

using restest::ResBuilder;

std::vector<std::byte> as_bytes(const std::vector<std::uint8_t>& v) {
    std::vector<std::byte> out;
    for (auto b : v)
        out.push_back(std::byte{b});
    return out;
}

std::optional<std::uint8_t> first_byte(std::span<const std::byte> blob, const plat::ResId& type,
                                       const plat::ResId& name, WORD language = 0) {
    auto entry = plat::find_res_entry(blob, type, name, language);
    if (!entry || entry->data.empty()) return std::nullopt;
    return std::to_integer<std::uint8_t>(entry->data[0]);
}

TEST(ResReader, PrefersTheLanguageAskedForThenNeutral) {
    const auto blob = ResBuilder()
                          .entry({10, {}}, {7, {}}, 0x0407, {1})
                          .entry({10, {}}, {7, {}}, 0x0000, {2})
                          .entry({10, {}}, {7, {}}, 0x0409, {3})
                          .entry({10, {}}, {8, {}}, 0x0809, {4})
                          .bytes();
    const auto rc = plat::ResId::number(10);
    const auto seven = plat::ResId::number(7);
    EXPECT_EQ(first_byte(blob, rc, seven, 0x0409), 3);
    EXPECT_EQ(first_byte(blob, rc, seven, 0x0407), 1);
    EXPECT_EQ(first_byte(blob, rc, seven, 0x0C07), 1); // same primary language
    EXPECT_EQ(first_byte(blob, rc, seven, 0x040C), 2); // neutral as fallback
    EXPECT_EQ(first_byte(blob, rc, seven, 0), 2);
    // Asking for neutral takes any language; a specific one does not.
    EXPECT_EQ(first_byte(blob, rc, plat::ResId::number(8), 0), 4);
    EXPECT_EQ(first_byte(blob, rc, plat::ResId::number(8), 0x040C), std::nullopt);
    EXPECT_EQ(first_byte(blob, rc, plat::ResId::number(8), 0x0409), 4);
}

TEST(ResReader, NamesMatchRegardlessOfCaseButNotOrdinals) {
    const auto blob = ResBuilder()
                          .entry({0, u"MYTYPE"}, {0, u"\u00C4PFEL"}, 0x409, {5})
                          .entry({0, u"MYTYPE"}, {65, {}}, 0x409, {6})
                          .bytes();
    EXPECT_EQ(first_byte(blob, plat::ResId::text(u"mytype"), plat::ResId::text(u"\u00E4pfel")), 5);
    // The ordinal 65 is not the name "A".
    EXPECT_EQ(first_byte(blob, plat::ResId::text(u"MyType"), plat::ResId::text(u"A")),
              std::nullopt);
    EXPECT_EQ(first_byte(blob, plat::ResId::text(u"MyType"), plat::ResId::number(65)), 6);
}

TEST(ResReader, RejectsMalformedHeaders) {
    const auto rc = plat::ResId::number(10);
    const auto one = plat::ResId::number(1);
    ResBuilder good;
    good.entry({10, {}}, {1, {}}, 0, {9, 9, 9, 9});
    ASSERT_EQ(first_byte(as_bytes(good.raw()), rc, one), 9);
    const std::size_t entry = 32; // after the empty first entry

    auto patched = [&](std::size_t at, std::uint32_t value) {
        auto raw = good.raw();
        for (int i = 0; i < 4; ++i)
            raw[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
        return as_bytes(raw);
    };
    EXPECT_EQ(first_byte(patched(entry, 5), rc, one), std::nullopt);              // data past end
    EXPECT_EQ(first_byte(patched(entry, 0xFFFFFFFF), rc, one), std::nullopt);     // huge data
    EXPECT_EQ(first_byte(patched(entry + 4, 12), rc, one), std::nullopt);         // header short
    EXPECT_EQ(first_byte(patched(entry + 4, 0xFFFFFFF0), rc, one), std::nullopt); // header huge
    EXPECT_EQ(first_byte(patched(4, 36), rc, one), std::nullopt); // not a 32-bit .res
    EXPECT_EQ(first_byte(patched(0, 4), rc, one), std::nullopt);  // first entry not empty

    // A name whose terminator lies beyond the header.
    auto unterminated = ResBuilder().entry({10, {}}, {0, u"ABCDEFGH"}, 0, {1}).raw();
    for (std::size_t i = entry + 12; i < entry + 12 + 18; i += 2)
        unterminated[i] = 'Z';
    EXPECT_EQ(first_byte(as_bytes(unterminated), rc, plat::ResId::text(u"ABCDEFGH")), std::nullopt);
}

TEST(ResReader, VisitsEveryEntryAndReportsATruncatedTail) {
    auto raw = ResBuilder().entry({1, {}}, {1, {}}, 0, {1}).entry({2, {}}, {2, {}}, 0, {2}).raw();
    int count = 0;
    auto blob = as_bytes(raw);
    EXPECT_TRUE(plat::for_each_res_entry(blob, [&](const plat::ResEntry&) { return ++count; }));
    EXPECT_EQ(count, 2); // the empty first entry is not one

    blob.resize(blob.size() - 6);
    count = 0;
    EXPECT_FALSE(plat::for_each_res_entry(blob, [&](const plat::ResEntry&) { return ++count; }));
    EXPECT_EQ(count, 1);
}

std::vector<std::byte> accel_bytes(std::initializer_list<std::uint16_t> words) {
    std::vector<std::uint8_t> raw;
    for (auto w : words)
        ResBuilder::u16(raw, w);
    return as_bytes(raw);
}

TEST(DecodeAccelerators, StopsAtTheLastEntryAndNeedsOne) {
    auto table = plat::decode_accelerators(
        accel_bytes({FVIRTKEY | FSHIFT, 'A', 7, 0, 0x80 | FALT, 'B', 8, 0, 0xFFFF, 0, 0, 0}));
    ASSERT_TRUE(table);
    ASSERT_EQ(table->size(), 2u);
    EXPECT_EQ((*table)[1].fVirt, FALT);
    EXPECT_EQ((*table)[1].key, 'B');
    EXPECT_EQ((*table)[1].cmd, 8);

    EXPECT_FALSE(plat::decode_accelerators({}));
    EXPECT_FALSE(plat::decode_accelerators(accel_bytes({FVIRTKEY, 'A', 7, 0})));
    auto cut = accel_bytes({FVIRTKEY, 'A', 7, 0, 0x80, 'B', 8});
    EXPECT_FALSE(plat::decode_accelerators(cut));
}

TEST(DecodeIconGroup, ChecksTheHeaderAndTheCount) {
    std::vector<std::uint8_t> raw;
    for (auto w : {0, 1, 2})
        ResBuilder::u16(raw, static_cast<std::uint16_t>(w));
    auto add = [&](std::uint8_t w, std::uint8_t h, std::uint16_t bits, std::uint16_t id) {
        raw.insert(raw.end(), {w, h, 0, 0});
        ResBuilder::u16(raw, 1);
        ResBuilder::u16(raw, bits);
        ResBuilder::u32(raw, 1234);
        ResBuilder::u16(raw, id);
    };
    add(16, 16, 4, 3);
    add(0, 0, 32, 4);
    auto group = plat::decode_icon_group(as_bytes(raw));
    ASSERT_TRUE(group);
    ASSERT_EQ(group->entries.size(), 2u);
    EXPECT_EQ(group->entries[0].width, 16);
    EXPECT_EQ(group->entries[0].id, 3);
    EXPECT_EQ(group->entries[1].width, 256);
    EXPECT_EQ(group->entries[1].height, 256);
    EXPECT_EQ(group->entries[1].bitCount, 32);
    EXPECT_EQ(group->entries[1].bytesInRes, 1234u);

    auto short_by_one = raw;
    short_by_one.pop_back();
    EXPECT_FALSE(plat::decode_icon_group(as_bytes(short_by_one)));
    auto bad_type = raw;
    bad_type[2] = 3;
    EXPECT_FALSE(plat::decode_icon_group(as_bytes(bad_type)));
    auto reserved = raw;
    reserved[0] = 1;
    EXPECT_FALSE(plat::decode_icon_group(as_bytes(reserved)));
}

} // namespace

namespace {

plat::IconGroupEntry image(WORD size, WORD bits, WORD id) {
    return plat::IconGroupEntry{size, size, 0, 1, bits, 100, id};
}

TEST(BestIcon, PrefersTheNearestSizeThenTheColourDepth) {
    const plat::IconGroup group{
        1, {image(16, 4, 1), image(32, 4, 2), image(32, 32, 3), image(32, 1, 4), image(48, 8, 5)}};
    EXPECT_EQ(plat::best_icon(group, 32, 32, false)->id, 3);
    EXPECT_EQ(plat::best_icon(group, 0, 0, false)->id, 3);
    EXPECT_EQ(plat::best_icon(group, 32, 32, true)->id, 4);
    EXPECT_EQ(plat::best_icon(group, 20, 20, false)->id, 1);
    EXPECT_EQ(plat::best_icon(group, 64, 64, false)->id, 5);
    EXPECT_FALSE(plat::best_icon(plat::IconGroup{1, {}}, 32, 32, false));

    // Cursor heights count the mask too.
    const plat::IconGroup cursors{2,
                                  {plat::IconGroupEntry{32, 64, 0, 1, 1, 100, 7},
                                   plat::IconGroupEntry{32, 32, 0, 1, 1, 100, 8}}};
    EXPECT_EQ(plat::best_icon(cursors, 32, 32, false)->id, 7);
}

} // namespace
