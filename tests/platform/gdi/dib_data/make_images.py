#!/usr/bin/env python3
"""Writes the small bitmaps and the icon used by the DIB decoder tests (run once; outputs are committed).

Every bitmap is 5x3 pixels. Palette images use index (x + 5*y) % colours with palette entry i =
RGB(i*40 % 256, 255 - i*17 % 256, i*3); direct-colour images use RGB(x*50, y*80, 7+x+y)."""
import struct

W, H = 5, 3

def pal_colour(i):
    return ((i * 40) % 256, 255 - (i * 17) % 256, (i * 3) % 256)

def direct(x, y):
    return (x * 50, y * 80, 7 + x + y)

def row_bytes(bits):
    return ((W * bits + 31) // 32) * 4

def pixel_rows(bits, top_down):
    rows = []
    ncol = 1 << bits if bits <= 8 else 0
    for y in (range(H) if top_down else reversed(range(H))):
        if bits <= 8:
            acc, nbits, out = 0, 0, bytearray()
            for x in range(W):
                acc = (acc << bits) | ((x + W * y) % ncol)
                nbits += bits
                if nbits == 8:
                    out.append(acc); acc, nbits = 0, 0
            if nbits:
                out.append(acc << (8 - nbits))
        else:
            out = bytearray()
            for x in range(W):
                r, g, b = direct(x, y)
                out += bytes([b, g, r]) + (b'\x00' if bits == 32 else b'')
        out += b'\x00' * (row_bytes(bits) - len(out))
        rows.append(bytes(out))
    return b''.join(rows)

def dib(bits, top_down=False, height=H, extra=b''):
    ncol = 1 << bits if bits <= 8 else 0
    pal = b''.join(bytes([b, g, r, 0]) for r, g, b in (pal_colour(i) for i in range(ncol)))
    data = pixel_rows(bits, top_down) + extra
    hdr = struct.pack('<IiiHHIIiiII', 40, W, -height if top_down else height, 1, bits, 0,
                      len(data), 2835, 2835, ncol, 0)
    return hdr + pal + data

for bits, top_down in ((1, False), (4, False), (8, False), (24, True), (32, False)):
    body = dib(bits, top_down)
    off = 14 + 40 + (4 << bits if bits <= 8 else 0)
    with open(f'bmp{bits}.bmp', 'wb') as f:
        f.write(struct.pack('<2sIHHI', b'BM', 14 + len(body), 0, 0, off) + body)

# Icon: one 5x3 4-bit image; AND mask has the left column transparent.
mask_row = bytes([0x80, 0, 0, 0])
icon = dib(4, height=2 * H, extra=mask_row * H)
# dib() wrote biHeight = 2*H but only H rows of colour: exactly the icon layout.
with open('icon.ico', 'wb') as f:
    f.write(struct.pack('<HHH', 0, 1, 1))
    f.write(struct.pack('<BBBBHHII', W, H, 16, 0, 1, 4, len(icon), 6 + 16))
    f.write(icon)
