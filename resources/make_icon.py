#!/usr/bin/env python3
"""Writes formaldrix.ico: the program icon at 32 x 32 and 16 x 16 pixels, 32 bits per pixel
with an AND mask. A sine (white) and a cosine (yellow) wave over a blue tile with an axis.
Run from this folder; the output is committed."""
import math
import struct

BLUE = (32, 64, 160)
EDGE = (16, 32, 96)
AXIS = (128, 160, 224)
SINE = (255, 255, 255)
COSINE = (255, 208, 0)


def near_curve(x, y, size, f):
    # Distance in pixels from the centre of (x, y) to the curve, sampled finely across the cell.
    mid = (size - 1) / 2
    amp = size * 0.3
    best = float('inf')
    for k in range(-4, 5):
        u = x + k / 8
        v = mid - amp * f(2 * math.pi * u / (size - 1))
        best = min(best, math.hypot(u - x, v - y))
    return best


def pixel(x, y, size):
    """(r, g, b) or None for a transparent pixel."""
    corner = 3 if size >= 32 else 1
    # Rounded corners: transparent outside a quarter circle of radius corner.
    cx = min(x, size - 1 - x)
    cy = min(y, size - 1 - y)
    if cx < corner and cy < corner and math.hypot(corner - cx, corner - cy) > corner + 0.5:
        return None
    if cx == 0 or cy == 0:
        return EDGE
    width = 1.0 if size >= 32 else 0.6
    if near_curve(x, y, size, math.sin) <= width:
        return SINE
    if near_curve(x, y, size, math.cos) <= width:
        return COSINE
    if y == size // 2:
        return AXIS
    return BLUE


def image(size):
    """The icon image: BITMAPINFOHEADER with twice the height, bottom-up colour rows, AND mask."""
    header = struct.pack('<IiiHHIIiiII', 40, size, 2 * size, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = bytearray()
    mask = bytearray()
    mask_stride = ((size + 31) // 32) * 4
    for y in reversed(range(size)):
        row = bytearray(mask_stride)
        for x in range(size):
            p = pixel(x, y, size)
            if p is None:
                colour += bytes((0, 0, 0, 0))
                row[x // 8] |= 0x80 >> (x % 8)
            else:
                r, g, b = p
                colour += bytes((b, g, r, 255))
        mask += row
    return header + bytes(colour) + bytes(mask)


def main():
    images = [image(32), image(16)]
    out = bytearray(struct.pack('<HHH', 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for size, data in zip((32, 16), images):
        out += struct.pack('<BBBBHHII', size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for data in images:
        out += data
    with open('formaldrix.ico', 'wb') as f:
        f.write(out)


if __name__ == '__main__':
    main()
