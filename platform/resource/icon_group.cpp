// RT_GROUP_ICON / RT_GROUP_CURSOR data: GRPICONDIR (WORD idReserved, WORD idType, WORD idCount)
// followed by idCount 14-byte entries, each naming the RT_ICON or RT_CURSOR resource by nId.
#include "resource/byte_view.h"
#include "win/resource.h"

namespace plat {

std::optional<IconGroup> decode_icon_group(std::span<const std::byte> data) {
    constexpr std::size_t kHeaderSize = 6;
    constexpr std::size_t kEntrySize = 14;
    const ByteView view(data);
    auto reserved = view.u16(0);
    auto type = view.u16(2);
    auto count = view.u16(4);
    if (!reserved || !type || !count || *reserved != 0 || (*type != 1 && *type != 2))
        return std::nullopt;
    if (!view.has(kHeaderSize, std::size_t{*count} * kEntrySize)) return std::nullopt;

    IconGroup group{*type, {}};
    group.entries.reserve(*count);
    for (std::size_t i = 0; i < *count; ++i) {
        const std::size_t at = kHeaderSize + i * kEntrySize;
        IconGroupEntry entry{};
        if (*type == 1) {
            // BYTE bWidth, bHeight, bColorCount, bReserved.
            entry.width = *view.u8(at) ? *view.u8(at) : 256;
            entry.height = *view.u8(at + 1) ? *view.u8(at + 1) : 256;
            entry.colorCount = *view.u8(at + 2);
        } else {
            // WORD wWidth, wHeight; the height covers the image and its mask.
            entry.width = *view.u16(at);
            entry.height = *view.u16(at + 2);
        }
        entry.planes = *view.u16(at + 4);
        entry.bitCount = *view.u16(at + 6);
        entry.bytesInRes = *view.u32(at + 8);
        entry.id = *view.u16(at + 12);
        group.entries.push_back(entry);
    }
    return group;
}

} // namespace plat
