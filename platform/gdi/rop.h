// Raster operations: the 16 binary (pen) and the 256 ternary (blit) operations on pixels.
#pragma once

#include <cstdint>

#include "gdi/surface.h"

namespace plat {

constexpr Pixel kRgbMask = 0x00FFFFFF;

// Binary raster operation R2_* (1..16) on pen colour p and destination d.
Pixel apply_rop2(int rop2, Pixel p, Pixel d);

// The operation index (bits 16..23 of a ternary raster-operation code).
constexpr std::uint8_t rop3_index(std::uint32_t rop) {
    return static_cast<std::uint8_t>(rop >> 16);
}

// Ternary raster operation with index op on pattern p, source s and destination d: result bit
// b is bit (4*P + 2*S + D) of op, for the bits P, S and D at position b.
Pixel apply_rop3(std::uint8_t op, Pixel p, Pixel s, Pixel d);

constexpr bool rop3_uses_source(std::uint8_t op) {
    return ((op >> 2) & 0x33) != (op & 0x33);
}
constexpr bool rop3_uses_pattern(std::uint8_t op) {
    return ((op >> 4) & 0x0F) != (op & 0x0F);
}
constexpr bool rop3_uses_dest(std::uint8_t op) {
    return ((op >> 1) & 0x55) != (op & 0x55);
}

} // namespace plat
