#include "gdi/rop.h"

namespace plat {

Pixel apply_rop2(int rop2, Pixel p, Pixel d) {
    switch (rop2) {
    case 13:
        return p; // R2_COPYPEN
    case 15:
        return p | d; // R2_MERGEPEN
    case 9:
        return p & d; // R2_MASKPEN
    case 7:
        return p ^ d; // R2_XORPEN
    case 6:
        return ~d & kRgbMask; // R2_NOT
    case 11:
        return d; // R2_NOP
    default:
        break;
    }
    if (rop2 < 1 || rop2 > 16) return p;
    // Table form: bit (2*P + D) of (rop2 - 1) is the result for pen bit P and destination bit D.
    const unsigned table = static_cast<unsigned>(rop2 - 1);
    Pixel r = 0;
    if (table & 1) r |= ~p & ~d;
    if (table & 2) r |= ~p & d;
    if (table & 4) r |= p & ~d;
    if (table & 8) r |= p & d;
    return r & kRgbMask;
}

Pixel apply_rop3(std::uint8_t op, Pixel p, Pixel s, Pixel d) {
    switch (op) {
    case 0xCC:
        return s; // SRCCOPY
    case 0x88:
        return s & d; // SRCAND
    case 0xEE:
        return s | d; // SRCPAINT
    case 0x66:
        return s ^ d; // SRCINVERT
    case 0x33:
        return ~s & kRgbMask; // NOTSRCCOPY
    case 0x44:
        return s & ~d & kRgbMask; // SRCERASE
    case 0xC0:
        return p & s; // MERGECOPY
    case 0xF0:
        return p; // PATCOPY
    case 0x5A:
        return p ^ d; // PATINVERT
    case 0x55:
        return ~d & kRgbMask; // DSTINVERT
    case 0xAA:
        return d; // no operation
    case 0x00:
        return 0; // BLACKNESS
    case 0xFF:
        return kRgbMask; // WHITENESS
    default:
        break;
    }
    Pixel r = 0;
    for (unsigned m = 0; m < 8; ++m) {
        if (!((op >> m) & 1)) continue;
        const Pixel pp = (m & 4) ? p : ~p, ss = (m & 2) ? s : ~s, dd = (m & 1) ? d : ~d;
        r |= pp & ss & dd;
    }
    return r & kRgbMask;
}

} // namespace plat
