#!/usr/bin/env bash
# Draws the programs' icons, Ic0, and writes them as Windows icon files with a 16 x 16, a 32 x 32
# and a 48 x 48 entry, each a 16-colour bitmap (4 bits per pixel, the standard 16-colour
# palette) with its transparency mask, as the icons of 16-colour Windows programs are.
#   Tarvela  (notes/Ic0.ico):    a desk-calendar page, red header on rings, ruled lines.
#   Velmarix (longterm/Ic0.ico): a stack of yearly pages, green header, twelve month squares.
# Usage: scripts/make-icon.sh              remakes notes/Ic0.ico and longterm/Ic0.ico
#        scripts/make-icon.sh notes|longterm OUTPUT.ico
# Needs only python3. Look at one entry enlarged: convert 'ico:notes/Ic0.ico[1]' -scale 800% x.png
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -eq 0 ]; then
  set -- notes notes/Ic0.ico longterm longterm/Ic0.ico
fi
exec python3 - "$@" <<'EOF'
import struct
import sys

# The standard 16-colour palette, in its usual order.
PALETTE = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
           (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
           (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER, GREY, RED, LIME, YELLOW, BLUE, \
    FUCHSIA, AQUA, WHITE = range(16)


class Canvas:
    """A square of palette indices; None is transparent."""

    def __init__(self, size):
        self.size = size
        self.pixels = [[None] * size for _ in range(size)]

    def fill(self, x0, y0, x1, y1, colour):  # inclusive corners
        for y in range(max(y0, 0), min(y1, self.size - 1) + 1):
            for x in range(max(x0, 0), min(x1, self.size - 1) + 1):
                self.pixels[y][x] = colour

    def frame(self, x0, y0, x1, y1, colour):
        self.fill(x0, y0, x1, y0, colour)
        self.fill(x0, y1, x1, y1, colour)
        self.fill(x0, y0, x0, y1, colour)
        self.fill(x1, y0, x1, y1, colour)


def page(c, x0, y0, x1, y1, header_rows, header, header_edge, paper, edge):
    """A calendar page with a shadow to its right and below and a coloured header."""
    c.fill(x0 + 1, y1 + 1, x1 + 1, y1 + 1, GREY)
    c.fill(x1 + 1, y0 + 1, x1 + 1, y1 + 1, GREY)
    c.fill(x0, y0, x1, y1, paper)
    c.fill(x0, y0, x1, y0 + header_rows, header)
    c.fill(x0, y0 + header_rows, x1, y0 + header_rows, header_edge)
    c.frame(x0, y0, x1, y1, edge)


def rings(c, xs, y, height, width):
    for x in xs:
        c.fill(x, y, x + width - 1, y + height - 1, BLACK)
        c.fill(x + width, y, x + 2 * width - 1, y + height - 1, SILVER)


def draw_notes(s):
    """Tarvela: a desk-calendar page hanging from two rings, with ruled lines."""
    c = Canvas(s)
    u = s // 16  # 1, 2 or 3 pixels to the unit
    top, bottom = 2 * u, s - 1 - u
    header = 3 * u + (u > 1)
    page(c, 0, top, s - 2, bottom, header, RED, MAROON, WHITE, NAVY)
    width = max(1, u - 1)
    rings(c, (s // 4 - width, s - 2 - s // 4 - width), top - 2 * u + (u == 1), 3 * u, width)
    step = 2 * u + (u > 1)
    for y in range(top + header + step, bottom - 1, step):
        c.fill(2 * u, y, s - 2 - 2 * u, y, BLUE)
    return c


def draw_longterm(s):
    """Velmarix: three yearly pages stacked, the front one with twelve month squares."""
    c = Canvas(s)
    u = s // 16
    off = 2 * u  # each page behind sits this far up and to the right
    for k, (head, edge) in enumerate([(TEAL, TEAL), (OLIVE, OLIVE)]):
        d = (2 - k) * off
        page(c, d, 0 + (2 * off - d), s - 2 - 2 * off + d, s - 2 - d, 2 * u, head, edge, WHITE, NAVY)
    x0, y0, x1, y1 = 0, 2 * off, s - 2 - 2 * off, s - 2
    header = 2 * u + (u > 1)
    page(c, x0, y0, x1, y1, header, GREEN, BLACK, WHITE, NAVY)
    # 4 x 3 month squares under the header; the third row's second square is marked.
    cell = 2 * u if u > 1 else 1
    gap = max(1, u - 1)
    cols, rows = 4, 3
    grid_w, grid_h = cols * cell + (cols - 1) * gap, rows * cell + (rows - 1) * gap
    gx = x0 + (x1 - x0 + 1 - grid_w) // 2
    gy = y0 + header + 1 + (y1 - y0 - header - grid_h) // 2
    for r in range(rows):
        for q in range(cols):
            colour = RED if (r, q) == (2, 1) else BLUE
            x, y = gx + q * (cell + gap), gy + r * (cell + gap)
            c.fill(x, y, x + cell - 1, y + cell - 1, colour)
    return c


def bmp_entry(c):
    """One icon entry: BITMAPINFOHEADER, palette, 4-bit colour rows, 1-bit mask rows (both
    bottom-up, each row padded to four bytes)."""
    s = c.size
    xor_row, and_row = ((s * 4 + 31) // 32) * 4, ((s + 31) // 32) * 4
    header = struct.pack('<IiiHHIIiiII', 40, s, 2 * s, 1, 4, 0, (xor_row + and_row) * s, 0, 0, 16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE)
    xor, mask = bytearray(), bytearray()
    for row in reversed(c.pixels):
        nibbles = [p if p is not None else 0 for p in row]
        line = bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, s, 2))
        xor += line.ljust(xor_row, b'\0')
        bits = bytearray(and_row)
        for x, p in enumerate(row):
            if p is None:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + palette + bytes(xor) + bytes(mask)


def write_ico(path, canvases):
    entries = [bmp_entry(c) for c in canvases]
    out = bytearray(struct.pack('<HHH', 0, 1, len(entries)))
    offset = 6 + 16 * len(entries)
    for c, data in zip(canvases, entries):
        out += struct.pack('<BBBBHHII', c.size, c.size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    for data in entries:
        out += data
    with open(path, 'wb') as f:
        f.write(out)


DRAW = {'notes': draw_notes, 'longterm': draw_longterm}
args = sys.argv[1:]
if len(args) % 2 or any(a not in DRAW for a in args[::2]):
    sys.exit('usage: make-icon.sh [notes|longterm OUTPUT.ico]...')
for program, path in zip(args[::2], args[1::2]):
    write_ico(path, [DRAW[program](s) for s in (16, 32, 48)])
    print('wrote', path)
EOF
