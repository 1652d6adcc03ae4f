#!/usr/bin/env python3
"""Writes toolbar.bmp: four 16x15 toolbar images side by side on the button-face grey, each a
square of its own colour. Run from this folder; the output is committed."""
import struct

W, H, IMAGE_W = 64, 15, 16
FACE = (192, 192, 192)
COLOURS = [(255, 0, 0), (0, 160, 0), (0, 0, 255), (255, 160, 0)]


def pixel(x, y):
    i, ix = divmod(x, IMAGE_W)
    if 4 <= ix < 12 and 3 <= y < 11:
        return COLOURS[i]
    return FACE


stride = (W * 3 + 3) & ~3
rows = b""
for y in reversed(range(H)):  # bottom-up
    row = b"".join(bytes((b, g, r)) for r, g, b in (pixel(x, y) for x in range(W)))
    rows += row + b"\0" * (stride - len(row))
header = struct.pack("<IiiHHIIiiII", 40, W, H, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
file_header = struct.pack("<2sIHHI", b"BM", 14 + len(header) + len(rows), 0, 0, 14 + len(header))
with open("toolbar.bmp", "wb") as f:
    f.write(file_header + header + rows)
