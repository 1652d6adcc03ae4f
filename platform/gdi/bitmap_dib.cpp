#include "gdi/bitmap_dib.h"

#include <bit>

#include "resource/byte_view.h"

namespace plat {

namespace {

constexpr std::uint32_t kBiRgb = 0, kBiBitfields = 3;
constexpr long kMaxSide = 32768;

struct Header {
    std::uint32_t size = 0;
    long width = 0, height = 0;
    int bits = 0;
    std::uint32_t compression = 0;
    std::uint32_t colours_used = 0;
};

std::optional<Header> read_header(const ByteView& v) {
    const auto size = v.u32(0);
    if (!size || *size < 40 || !v.has(0, *size)) return std::nullopt;
    Header h;
    h.size = *size;
    h.width = static_cast<std::int32_t>(*v.u32(4));
    h.height = static_cast<std::int32_t>(*v.u32(8));
    const auto planes = *v.u16(12);
    h.bits = *v.u16(14);
    h.compression = *v.u32(16);
    h.colours_used = *v.u32(32);
    if (planes != 1 || h.width <= 0 || h.width > kMaxSide || h.height == 0 ||
        h.height < -kMaxSide || h.height > kMaxSide)
        return std::nullopt;
    switch (h.bits) {
    case 1:
    case 4:
    case 8:
    case 24:
        if (h.compression != kBiRgb) return std::nullopt;
        break;
    case 16:
    case 32:
        if (h.compression != kBiRgb && h.compression != kBiBitfields) return std::nullopt;
        break;
    default:
        return std::nullopt;
    }
    return h;
}

// One channel of a BI_BITFIELDS mask: where it starts and how wide it is.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0, width = 0;
    explicit Channel(std::uint32_t m = 0)
        : mask(m), shift(m ? std::countr_zero(m) : 0), width(std::popcount(m)) {}
    std::uint32_t extract(std::uint32_t v) const {
        if (width == 0) return 0;
        const std::uint32_t x = (v & mask) >> shift;
        if (width >= 8) return x >> (width - 8);
        const std::uint32_t top = (1u << width) - 1; // scale so that all ones is 255
        return (x * 255 + top / 2) / top;
    }
};

Pixel rgb_of(std::uint32_t v, const Channel& r, const Channel& g, const Channel& b) {
    return (r.extract(v) << 16) | (g.extract(v) << 8) | b.extract(v);
}

bool light(Pixel c) {
    const unsigned r = (c >> 16) & 0xFF, g = (c >> 8) & 0xFF, b = c & 0xFF;
    return r * 30 + g * 59 + b * 11 >= 128 * 100;
}

} // namespace

std::optional<DibImage> decode_dib(std::span<const std::byte> packed) {
    const ByteView v(packed);
    const auto header = read_header(v);
    if (!header) return std::nullopt;
    const Header& h = *header;
    std::size_t offset = h.size;
    DibImage out;
    out.bits_per_pixel = h.bits;
    Channel red(0x7C00), green(0x03E0), blue(0x001F);
    if (h.bits == 32) red = Channel(0xFF0000), green = Channel(0xFF00), blue = Channel(0xFF);
    if (h.compression == kBiBitfields) {
        // The masks follow a 40-byte header; later headers hold them inside.
        const auto r = v.u32(40), g = v.u32(44), b = v.u32(48);
        if (!r || !g || !b) return std::nullopt;
        red = Channel(*r), green = Channel(*g), blue = Channel(*b);
        if (h.size == 40) offset += 12;
    }
    if (h.bits <= 8) {
        const std::uint32_t max = 1u << h.bits;
        const std::uint32_t count = h.colours_used ? h.colours_used : max;
        if (count > max) return std::nullopt;
        for (std::uint32_t i = 0; i < count; ++i) {
            const auto q = v.u32(offset + 4 * i);
            if (!q) return std::nullopt;
            out.palette.push_back(*q & 0xFFFFFF); // RGBQUAD: blue, green, red, reserved
        }
        offset += 4 * static_cast<std::size_t>(count);
    }
    const int width = static_cast<int>(h.width);
    const int height = static_cast<int>(h.height < 0 ? -h.height : h.height);
    const std::size_t stride = ((static_cast<std::size_t>(width) * h.bits + 31) / 32) * 4;
    const auto bits = v.sub(offset, stride * static_cast<std::size_t>(height));
    if (!bits) return std::nullopt;
    const ByteView rows(*bits);
    out.image = Surface(width, height);
    if (h.bits == 1) {
        out.mono_stride = ((width + 15) / 16) * 2;
        out.mono_bits.assign(static_cast<std::size_t>(out.mono_stride) * height, 0);
    }
    for (int y = 0; y < height; ++y) {
        const int src_row = h.height < 0 ? y : height - 1 - y; // positive heights are bottom-up
        const std::size_t base = static_cast<std::size_t>(src_row) * stride;
        Pixel* dst = out.image.row(y);
        for (int x = 0; x < width; ++x) {
            Pixel p = 0;
            if (h.bits <= 8) {
                const std::size_t bit = static_cast<std::size_t>(x) * h.bits;
                const unsigned byte = *rows.u8(base + bit / 8);
                const unsigned index = (byte >> (8 - h.bits - bit % 8)) & ((1u << h.bits) - 1);
                p = index < out.palette.size() ? out.palette[index] : 0;
            } else if (h.bits == 16) {
                p = rgb_of(*rows.u16(base + 2 * static_cast<std::size_t>(x)), red, green, blue);
            } else if (h.bits == 24) {
                const std::size_t at = base + 3 * static_cast<std::size_t>(x);
                p = (Pixel{*rows.u8(at + 2)} << 16) | (Pixel{*rows.u8(at + 1)} << 8) | *rows.u8(at);
            } else {
                p = rgb_of(*rows.u32(base + 4 * static_cast<std::size_t>(x)), red, green, blue);
            }
            dst[x] = p;
            if (h.bits == 1 && light(p))
                out.mono_bits[static_cast<std::size_t>(y) * out.mono_stride + x / 8] |=
                    static_cast<std::uint8_t>(0x80 >> (x % 8));
        }
    }
    return out;
}

std::optional<DibImage> decode_bmp_file(std::span<const std::byte> file) {
    const ByteView v(file);
    const auto magic = v.u16(0);
    if (!magic || *magic != 0x4D42 || !v.has(0, 14)) return std::nullopt; // "BM"
    return decode_dib(file.subspan(14));
}

std::optional<IconImage> decode_icon_image(std::span<const std::byte> data) {
    const ByteView v(data);
    const auto size = v.u32(0);
    const auto raw_height = v.u32(8);
    if (!size || !raw_height || *size < 40 || !v.has(0, *size)) return std::nullopt;
    const std::int32_t full = static_cast<std::int32_t>(*raw_height);
    if (full <= 0 || full % 2 != 0) return std::nullopt;
    // Decode the colour part with the height halved, from a patched copy of the header.
    std::vector<std::byte> copy(data.begin(), data.end());
    const std::int32_t half = full / 2;
    for (int i = 0; i < 4; ++i)
        copy[8 + i] = static_cast<std::byte>((static_cast<std::uint32_t>(half) >> (8 * i)) & 0xFF);
    auto colour = decode_dib(copy);
    if (!colour) return std::nullopt;
    const int w = colour->image.width, h = colour->image.height;
    // The AND mask follows the colour rows.
    std::size_t offset = *size + 4 * colour->palette.size();
    if (*v.u32(16) == kBiBitfields && *size == 40) offset += 12;
    offset += ((static_cast<std::size_t>(w) * colour->bits_per_pixel + 31) / 32) * 4 * h;
    const std::size_t mask_stride = ((static_cast<std::size_t>(w) + 31) / 32) * 4;
    const auto mask_bits = v.sub(offset, mask_stride * h);
    IconImage out{std::move(colour->image), Surface(w, h, 0)};
    if (!mask_bits) return out; // no mask: fully opaque
    for (int y = 0; y < h; ++y) {
        const std::size_t row = static_cast<std::size_t>(h - 1 - y) * mask_stride;
        for (int x = 0; x < w; ++x) {
            const unsigned byte = std::to_integer<unsigned>((*mask_bits)[row + x / 8]);
            if ((byte >> (7 - x % 8)) & 1) out.mask.row(y)[x] = 0xFFFFFF;
        }
    }
    return out;
}

} // namespace plat
