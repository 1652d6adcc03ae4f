#!/usr/bin/env python3
"""Writes the dialogs' pictures as 24-bit BMP files: formel.bmp (bitmap 1002, the formula the
formula dialog evaluates) and info.bmp (bitmap 1011, the information dialog's sine and cosine
waves). The formula is set in a pixel font of its own, so nothing outside the standard library
is needed. Run from this folder; the output is committed."""
import math
import struct

WHITE = (255, 255, 255)
INK = (0, 0, 0)
FRAME = (128, 128, 128)

# Glyphs twelve rows high, about the size of the dialog's text: rows 0-2 ascenders, 3-8 the
# x-height with the baseline at row 8, 9-11 descenders. '#' is ink.
def glyph(*rows, top=0):
    """A glyph from its inked rows, the first of them at row top; the rest stays blank."""
    width = len(rows[0])
    return ['.' * width] * top + list(rows) + ['.' * width] * (12 - top - len(rows))


X_HEIGHT = 3  # the row where lower-case letters start
GLYPHS = {
    'a': glyph('.###.', '....#', '.####', '#...#', '#..##', '.##.#', top=X_HEIGHT),
    'b': glyph('#....', '#....', '#....', '####.', '#...#', '#...#', '#...#', '#...#', '####.'),
    'c': glyph('.###', '#...', '#...', '#...', '#...', '.###', top=X_HEIGHT),
    'i': glyph('#', '.', '#', '#', '#', '#', '#', '#', top=1),
    'j': glyph('..#', '...', '.##', '..#', '..#', '..#', '..#', '..#', '..#', '#.#', '.#.', top=1),
    'm': glyph('###.##.', '#..#..#', '#..#..#', '#..#..#', '#..#..#', '#..#..#', top=X_HEIGHT),
    'n': glyph('####.', '#...#', '#...#', '#...#', '#...#', '#...#', top=X_HEIGHT),
    'o': glyph('.###.', '#...#', '#...#', '#...#', '#...#', '.###.', top=X_HEIGHT),
    's': glyph('.####', '#....', '.###.', '....#', '....#', '####.', top=X_HEIGHT),
    'x': glyph('#...#', '.#.#.', '..#..', '..#..', '.#.#.', '#...#', top=X_HEIGHT),
    'y': glyph('#...#', '#...#', '#...#', '#...#', '#..##', '.##.#', '....#', '....#', '.###.',
               top=X_HEIGHT),
    'p': glyph('#######', '.#...#.', '.#...#.', '.#...#.', '.#...#.', '.#...##',
               top=X_HEIGHT),  # pi
    '1': glyph('.#.', '##.', '.#.', '.#.', '.#.', '.#.', '.#.', '.#.', '###'),
    '(': glyph('..#', '.#.', '#..', '#..', '#..', '#..', '#..', '#..', '#..', '#..', '.#.', '..#'),
    ')': glyph('#..', '.#.', '..#', '..#', '..#', '..#', '..#', '..#', '..#', '..#', '.#.', '#..'),
    '[': glyph('###', '#..', '#..', '#..', '#..', '#..', '#..', '#..', '#..', '#..', '#..', '###'),
    ']': glyph('###', '..#', '..#', '..#', '..#', '..#', '..#', '..#', '..#', '..#', '..#', '###'),
    '/': glyph('....#', '....#', '...#.', '...#.', '...#.', '..#..', '..#..', '.#...', '.#...',
               '#....', '#....'),
    '=': glyph('#####', '.....', '#####', top=4),
    '+': glyph('..#..', '..#..', '#####', '..#..', '..#..', top=3),
    '.': glyph('##', '##', top=5),  # the multiplication dot
    ' ': glyph('...'),
}

SIGMA = [
    '###########',
    '##........#',
    '.##........',
    '..##.......',
    '...##......',
    '....##.....',
    '.....##....',
    '....##.....',
    '...##......',
    '..##.......',
    '.##........',
    '##........#',
    '###########',
]


class Canvas:
    def __init__(self, width, height, paper):
        self.width = width
        self.height = height
        self.pixels = [[paper] * width for _ in range(height)]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def blend(self, x, y, colour, coverage):
        if 0 <= x < self.width and 0 <= y < self.height and coverage > 0:
            old = self.pixels[y][x]
            c = min(coverage, 1.0)
            self.pixels[y][x] = tuple(round(o + (n - o) * c) for o, n in zip(old, colour))

    def pattern(self, x, y, rows, colour):
        for dy, row in enumerate(rows):
            for dx, cell in enumerate(row):
                if cell == '#':
                    self.put(x + dx, y + dy, colour)

    def text(self, x, top, text, colour):
        """Draws text with its row 0 at top; returns the x after it."""
        for ch in text:
            glyph = GLYPHS[ch]
            self.pattern(x, top, glyph, colour)
            x += len(glyph[0]) + 1
        return x

    def rectangle(self, left, top, right, bottom, colour):
        for x in range(left, right + 1):
            self.put(x, top, colour)
            self.put(x, bottom, colour)
        for y in range(top, bottom + 1):
            self.put(left, y, colour)
            self.put(right, y, colour)

    def curve(self, f, x0, x1, colour, width=1.2):
        """An anti-aliased curve y = f(x) over the columns x0..x1."""
        for x in range(x0, x1 + 1):
            for k in range(8):
                u = x + k / 8
                v = f(u)
                for y in range(int(v - width) - 1, int(v + width) + 2):
                    d = abs(y - v)
                    self.blend(x, y, colour, (width - d + 0.5) / 8 if d < width + 0.5 else 0)


def text_width(text):
    return sum(len(GLYPHS[ch][0]) + 1 for ch in text) - 1


def formula(width, height):
    """y(x) = sum over j = 1 to n of ( a . sin[jx/(m pi)] + s . b . cos[jx/(m pi)] )."""
    c = Canvas(width, height, WHITE)
    c.rectangle(0, 0, width - 1, height - 1, FRAME)
    left = "y(x) = "
    body = "( a.sin[jx/(mp)] + s.b.cos[jx/(mp)] )"
    total = text_width(left) + len(SIGMA[0]) + 3 + text_width(body)
    x = (width - total) // 2
    top = (height - 12) // 2  # the line's glyph rows
    x = c.text(x, top, left, INK)
    # The sum sign spans the line, its limits above and below.
    sigma_top = top - 1
    c.pattern(x, sigma_top, SIGMA, INK)
    centre = x + len(SIGMA[0]) // 2
    c.text(centre - text_width("n") // 2, sigma_top - 11, "n", INK)
    c.text(centre - text_width("j=1") // 2, sigma_top + len(SIGMA) + 1, "j=1", INK)
    x += len(SIGMA[0]) + 3
    c.text(x, top, body, INK)
    return c


def info(width, height):
    """Axes and one period of a sine (blue) and a cosine (red) over a light paper."""
    c = Canvas(width, height, (255, 255, 240))
    c.rectangle(0, 0, width - 1, height - 1, FRAME)
    mid = height // 2
    amp = height * 0.35
    for x in range(6, width - 6):
        c.put(x, mid, (160, 160, 160))
    for y in range(6, height - 6):
        c.put(8, y, (160, 160, 160))
    span = width - 20
    c.curve(lambda u: mid - amp * math.sin(2 * math.pi * (u - 8) / span), 8, width - 10,
            (0, 64, 192))
    c.curve(lambda u: mid - amp * math.cos(2 * math.pi * (u - 8) / span), 8, width - 10,
            (192, 32, 32))
    return c


def write_bmp(name, canvas):
    stride = (canvas.width * 3 + 3) & ~3
    rows = bytearray()
    for y in reversed(range(canvas.height)):
        row = bytearray()
        for r, g, b in canvas.pixels[y]:
            row += bytes((b, g, r))
        row += bytes(stride - len(row))
        rows += row
    header = struct.pack('<IiiHHIIiiII', 40, canvas.width, canvas.height, 1, 24, 0, len(rows),
                         3780, 3780, 0, 0)
    offset = 14 + len(header)
    with open(name, 'wb') as f:
        f.write(struct.pack('<2sIHHI', b'BM', offset + len(rows), 0, 0, offset))
        f.write(header)
        f.write(rows)


def main():
    write_bmp('formel.bmp', formula(FORMULA_SIZE[0], FORMULA_SIZE[1]))
    write_bmp('info.bmp', info(INFO_SIZE[0], INFO_SIZE[1]))


# Pixel sizes of the two picture controls at their dialogs' fonts.
FORMULA_SIZE = (339, 50)
INFO_SIZE = (310, 145)

if __name__ == '__main__':
    main()
