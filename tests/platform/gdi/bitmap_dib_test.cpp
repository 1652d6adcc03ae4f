#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "gdi/bitmap_dib.h"

namespace plat {
namespace {

// The images of dib_data/ are 5x3; make_images.py documents their pixels.
constexpr int kW = 5, kH = 3;

Pixel palette_colour(int i) {
    return static_cast<Pixel>(((i * 40) % 256) << 16 | (255 - (i * 17) % 256) << 8 | (i * 3));
}
Pixel direct_colour(int x, int y) {
    return static_cast<Pixel>((x * 50) << 16 | (y * 80) << 8 | (7 + x + y));
}

std::vector<std::byte> read_file(const std::string& name) {
    std::ifstream in(std::string(TESS_SOURCE_DIR) + "/tests/platform/gdi/dib_data/" + name,
                     std::ios::binary);
    std::vector<char> chars((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::byte> out(chars.size());
    for (std::size_t i = 0; i < chars.size(); ++i)
        out[i] = static_cast<std::byte>(chars[i]);
    return out;
}

TEST(BitmapDib, EveryDepthDecodesToItsPixels) {
    for (int bits : {1, 4, 8, 24, 32}) {
        SCOPED_TRACE("depth " + std::to_string(bits));
        const auto file = read_file("bmp" + std::to_string(bits) + ".bmp");
        ASSERT_FALSE(file.empty());
        const auto dib = decode_bmp_file(file);
        ASSERT_TRUE(dib);
        EXPECT_EQ(dib->bits_per_pixel, bits);
        ASSERT_EQ(dib->image.width, kW);
        ASSERT_EQ(dib->image.height, kH);
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x) {
                const Pixel want =
                    bits <= 8 ? palette_colour((x + kW * y) % (1 << bits)) : direct_colour(x, y);
                EXPECT_EQ(dib->image.at(x, y), want) << x << "," << y;
            }
        if (bits <= 8) {
            EXPECT_EQ(dib->palette.size(), 1u << bits);
        }
    }
}

TEST(BitmapDib, MonochromeBitsFollowPaletteBrightness) {
    const auto dib = decode_bmp_file(read_file("bmp1.bmp"));
    ASSERT_TRUE(dib);
    // Palette 0 is RGB(0,255,0) (light), palette 1 RGB(40,238,3) (light): all bits set.
    ASSERT_EQ(dib->mono_stride, 2);
    for (int y = 0; y < kH; ++y) {
        EXPECT_EQ(dib->mono_bits[2 * y], 0xF8) << y;
        EXPECT_EQ(dib->mono_bits[2 * y + 1], 0x00) << y;
    }
    // A black-and-white 1-bit image: index 1 white, index 0 black, 16 pixels wide.
    std::vector<std::byte> bw(40 + 8 + 4 * 2, std::byte{0});
    auto put32 = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            bw[at + i] = static_cast<std::byte>(v >> (8 * i));
    };
    put32(0, 40);
    put32(4, 16);
    put32(8, static_cast<std::uint32_t>(-2)); // top-down
    bw[12] = std::byte{1};
    bw[14] = std::byte{1};
    put32(44, 0xFFFFFF);
    bw[48] = std::byte{0xA5};
    bw[49] = std::byte{0x0F};
    bw[52] = std::byte{0xFF};
    const auto m = decode_dib(bw);
    ASSERT_TRUE(m);
    EXPECT_EQ(m->mono_bits, (std::vector<std::uint8_t>{0xA5, 0x0F, 0xFF, 0x00}));
    EXPECT_EQ(m->image.at(0, 0), 0xFFFFFFu);
    EXPECT_EQ(m->image.at(1, 0), 0u);
    EXPECT_EQ(m->image.at(7, 1), 0xFFFFFFu);
    EXPECT_EQ(m->image.at(8, 1), 0u);
}

TEST(BitmapDib, IconImageSplitsColourAndMask) {
    const auto ico = read_file("icon.ico");
    ASSERT_GT(ico.size(), 22u);
    const auto icon = decode_icon_image(std::span(ico).subspan(22));
    ASSERT_TRUE(icon);
    ASSERT_EQ(icon->image.width, kW);
    ASSERT_EQ(icon->image.height, kH);
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) {
            EXPECT_EQ(icon->image.at(x, y), palette_colour((x + kW * y) % 16));
            EXPECT_EQ(icon->mask.at(x, y), x == 0 ? 0xFFFFFFu : 0u) << x << "," << y;
        }
}

TEST(BitmapDib, RejectsMalformedAndSurvivesCorruption) {
    const auto good = read_file("bmp8.bmp");
    std::span<const std::byte> dib = std::span(good).subspan(14);
    EXPECT_FALSE(decode_dib(dib.first(39)));               // header cut short
    EXPECT_FALSE(decode_dib(dib.first(dib.size() - 1)));   // last row cut short
    EXPECT_FALSE(decode_dib(dib.first(40 + 4 * 256 - 1))); // colour table cut short
    EXPECT_FALSE(decode_bmp_file(std::span(good).first(10)));
    std::vector<std::byte> bad(dib.begin(), dib.end());
    bad[14] = std::byte{7}; // 7 bits per pixel
    EXPECT_FALSE(decode_dib(bad));
    bad = {dib.begin(), dib.end()};
    bad[16] = std::byte{1}; // run-length compressed
    EXPECT_FALSE(decode_dib(bad));

    std::mt19937 rng(1234);
    for (const char* name : {"bmp1.bmp", "bmp4.bmp", "bmp24.bmp", "bmp32.bmp", "icon.ico"}) {
        const auto bytes = read_file(name);
        for (int i = 0; i < 1500; ++i) {
            std::vector<std::byte> m(bytes.begin(), bytes.end());
            for (int k = 0; k < 3; ++k)
                m[rng() % m.size()] = static_cast<std::byte>(rng());
            m.resize(rng() % (m.size() + 1));
            const std::size_t skip = std::min<std::size_t>(m.size(), name[0] == 'i' ? 22 : 14);
            const auto d = decode_dib(std::span(m).subspan(skip));
            if (d) {
                EXPECT_EQ(d->image.pixels.size(),
                          static_cast<std::size_t>(d->image.width) * d->image.height);
            }
            (void)decode_icon_image(std::span(m).subspan(skip));
        }
    }
}

} // namespace
} // namespace plat
