// Choosing the image of an icon or cursor group that suits a requested size and colour depth.
#include <cstdlib>

#include "resource/byte_view.h"
#include "win/resource.h"

namespace plat {

std::optional<IconGroupEntry> best_icon(const IconGroup& group, int cx, int cy, bool monochrome) {
    constexpr int kStandardSize = 32;
    if (cx <= 0) cx = kStandardSize;
    if (cy <= 0) cy = kStandardSize;
    std::optional<IconGroupEntry> best;
    long best_distance = 0;
    for (const IconGroupEntry& e : group.entries) {
        // A cursor group's height covers the image and its mask.
        const int height = group.type == 2 ? e.height / 2 : e.height;
        const long distance = std::labs(long{e.width} - cx) + std::labs(long{height} - cy);
        const bool closer = !best || distance < best_distance;
        const bool better_colours =
            best && distance == best_distance &&
            (monochrome ? e.bitCount < best->bitCount : e.bitCount > best->bitCount);
        if (closer || better_colours) {
            best = e;
            best_distance = distance;
        }
    }
    return best;
}

} // namespace plat

int WINAPI LookupIconIdFromDirectoryEx(BYTE* presbits, BOOL fIcon, int cxDesired, int cyDesired,
                                       UINT Flags) {
    constexpr UINT kMonochrome = 0x0001; // LR_MONOCHROME
    if (!presbits) return 0;
    // Only the header tells how long the directory is.
    const auto* bytes = reinterpret_cast<const std::byte*>(presbits);
    const plat::ByteView header(std::span(bytes, 6));
    const std::size_t size = 6 + std::size_t{*header.u16(4)} * 14;
    auto group = plat::decode_icon_group(std::span(bytes, size));
    if (!group || group->type != (fIcon ? 1 : 2)) return 0;
    auto best = plat::best_icon(*group, cxDesired, cyDesired, (Flags & kMonochrome) != 0);
    return best ? best->id : 0;
}

int WINAPI LookupIconIdFromDirectory(BYTE* presbits, BOOL fIcon) {
    return LookupIconIdFromDirectoryEx(presbits, fIcon, 0, 0, 0);
}
