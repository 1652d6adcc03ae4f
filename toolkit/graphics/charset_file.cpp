// The character file layout: every integer 32-bit little-endian, whatever the host.
#include <algorithm>

#include "graphics/charset.h"
#include "graphics/charset_strokes.h"

namespace tess {

namespace {

// A cursor over the file's bytes that behaves like reading it field by field.
class FieldReader {
public:
    explicit FieldReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool integer(std::int32_t& value) {
        if (left() < 4) return false;
        const auto* p = bytes_.data() + pos_;
        value = static_cast<std::int32_t>(std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 |
                                          std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24);
        pos_ += 4;
        return true;
    }
    template <std::size_t N> bool integers(std::array<std::int32_t, N>& values) {
        if (left() < 4 * N) return false;
        for (auto& v : values)
            integer(v);
        return true;
    }
    bool bytes(std::size_t count, std::vector<std::uint8_t>& out) {
        if (left() < count) return false;
        out.insert(out.end(), bytes_.begin() + pos_, bytes_.begin() + pos_ + count);
        pos_ += count;
        return true;
    }

private:
    std::size_t left() const { return bytes_.size() - pos_; }

    std::span<const std::uint8_t> bytes_;
    std::size_t pos_ = 0;
};

// 1 when a "u" comes before any "v" in the stroke data, else 2.
int stroke_kind(const std::vector<std::uint8_t>& strokes) {
    const auto first = std::find_if(strokes.begin(), strokes.end(),
                                    [](std::uint8_t b) { return b == 'u' || b == 'v'; });
    return first != strokes.end() && *first == 'u' ? 1 : 2;
}

} // namespace

CharFileLayout charset_read(std::span<const std::uint8_t> bytes, CharacterSet& set) {
    FieldReader in(bytes);
    CharacterSet next;
    std::int32_t primary = 0;
    if (!in.integer(primary) || primary < 0 || primary > CharStrokeBytes) {
        return CharFileLayout::Invalid;
    }
    if (!in.integer(next.cells[0]) || !in.integer(next.cells[1]) || !in.integers(next.primary) ||
        !in.bytes(static_cast<std::size_t>(primary), next.strokes)) {
        return CharFileLayout::Invalid;
    }

    next.range = 7;
    next.extension.fill(-1);
    if (!in.integer(next.cells[2]) || !in.integer(next.cells[3])) {
        next.cells[2] = next.cells[0];
        next.cells[3] = next.cells[1];
    } else {
        std::int32_t extension = 0;
        std::array<std::int32_t, CharExtensionCodes> offsets{};
        if (in.integer(extension) && extension >= 0 && primary + extension < CharStrokeBytes + 1 &&
            in.integers(offsets) && in.bytes(static_cast<std::size_t>(extension), next.strokes)) {
            next.extension = offsets;
            next.range = 8;
        } else {
            next.strokes.resize(static_cast<std::size_t>(primary));
        }
    }
    next.primaryBytes = primary;
    next.kind = stroke_kind(next.strokes);
    set = std::move(next);
    return set.range == 8 ? CharFileLayout::EightBit : CharFileLayout::SevenBit;
}

int charset_parse(const std::uint8_t* data, std::size_t size) {
    CharacterSet set;
    const auto layout = charset_read({data, size}, set);
    if (layout == CharFileLayout::Invalid) return 0;
    std::string every(256, ' ');
    for (int code = 0; code < 256; ++code)
        every[code] = static_cast<char>(code);
    charset_text_strokes(set, every, false);
    charset_text_strokes(set, every, true);
    return set.range;
}

} // namespace tess
