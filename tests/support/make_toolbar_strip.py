#!/usr/bin/env python3
"""Writes a toolbar image strip for tests: 16x15 images side by side on the button-face grey,
each a square of its own colour at x 4..11, y 3..10 of its image (top-down coordinates).

    make_toolbar_strip.py OUTPUT.bmp COUNT      (COUNT from 1 to 4; the outputs are committed)
"""
import struct
import sys

IMAGE_W, H = 16, 15
FACE = (192, 192, 192)
COLOURS = [(255, 0, 0), (0, 160, 0), (0, 0, 255), (255, 160, 0)]


def write(path, count):
    width = IMAGE_W * count

    def pixel(x, y):
        i, ix = divmod(x, IMAGE_W)
        if 4 <= ix < 12 and 3 <= y < 11:
            return COLOURS[i]
        return FACE

    stride = (width * 3 + 3) & ~3
    rows = b""
    for y in reversed(range(H)):  # bottom-up
        row = b"".join(bytes((b, g, r)) for r, g, b in (pixel(x, y) for x in range(width)))
        rows += row + b"\0" * (stride - len(row))
    header = struct.pack("<IiiHHIIiiII", 40, width, H, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    file_header = struct.pack("<2sIHHI", b"BM", 14 + len(header) + len(rows), 0, 0,
                              14 + len(header))
    with open(path, "wb") as f:
        f.write(file_header + header + rows)


if __name__ == "__main__":
    write(sys.argv[1], int(sys.argv[2]))
