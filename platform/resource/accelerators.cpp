// RT_ACCELERATOR data: ACCELTABLEENTRY records of 8 bytes (WORD fFlags, WORD wAnsi, WORD wId,
// WORD padding); 0x80 in fFlags marks the last.
#include "resource/byte_view.h"
#include "win/resource.h"

namespace plat {

std::optional<std::vector<ACCEL>> decode_accelerators(std::span<const std::byte> data) {
    constexpr std::size_t kEntrySize = 8;
    constexpr WORD kLastEntry = 0x80;
    const ByteView view(data);
    std::vector<ACCEL> table;
    for (std::size_t offset = 0; view.has(offset, kEntrySize); offset += kEntrySize) {
        const WORD flags = *view.u16(offset);
        table.push_back(ACCEL{static_cast<BYTE>(flags & ~kLastEntry), *view.u16(offset + 2),
                              *view.u16(offset + 4)});
        if (flags & kLastEntry) return table;
    }
    return std::nullopt;
}

} // namespace plat
