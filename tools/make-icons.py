#!/usr/bin/env python3
"""Writes res/icons/*.ico: images of 16, 24, 32, 48 and 256 pixels per icon.

Window icons are rounded squares with the edition's letter, tray icons are
discs of the same colour, so a glance at the taskbar or the notification area
tells the editions apart. The small sizes are uncompressed bitmaps that
every version of Windows reads; the 256-pixel image is a PNG, as Explorer
expects, which keeps it a few kilobytes. Standard library only; the
generated files are committed so that the build needs no Python.
"""
import os
import struct
import sys
import zlib

SIZES = (16, 24, 32, 48, 256)

# 5x7 letters, one string per row, '#' set.
GLYPHS = {
    'P': ["####.", "#...#", "#...#", "####.", "#....", "#....", "#...."],
    'G': [".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".###."],
    'U': ["#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    'M': ["#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"],
    'Q': [".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"],
}

BLUE = (0x1f, 0x5f, 0xc8)
GREEN = (0x1f, 0x9a, 0x3c)
ORANGE = (0xe0, 0x7a, 0x10)
PURPLE = (0x7a, 0x2f, 0xb8)
GREY = (0x60, 0x68, 0x70)
TEAL = (0x10, 0x90, 0x98)
WHITE = (0xff, 0xff, 0xff)

# id: (file name, shape, colour, letter)
ICONS = {
    128: ("personal", "square", BLUE, 'P'),
    129: ("personal-tray", "disc", BLUE, 'P'),
    130: ("group-tray", "disc", GREEN, 'G'),
    131: ("multigroup-tray", "disc", PURPLE, 'M'),
    132: ("multiuser-tray", "disc", ORANGE, 'U'),
    143: ("universal", "square", GREY, 'Q'),
    144: ("multigroup", "square", PURPLE, 'M'),
    145: ("chooser", "quarters", None, 'Q'),
    147: ("member", "member", TEAL, None),
    148: ("group", "square", GREEN, 'G'),
    149: ("multiuser", "square", ORANGE, 'U'),
}


def inside_shape(shape, x, y, n):
    """Whether pixel (x, y) of an n x n image belongs to the shape."""
    c = (n - 1) / 2.0
    if shape == "disc":
        return (x - c) ** 2 + (y - c) ** 2 <= (n / 2.0 - 0.3) ** 2
    if shape in ("square", "quarters"):
        r = n // 5  # corner radius
        cx = min(max(x, r), n - 1 - r)
        cy = min(max(y, r), n - 1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    return False


def member_pixel(x, y, n):
    """A person: head disc over rounded shoulders."""
    s = n / 32.0
    hx, hy, hr = 16 * s - 0.5, 10 * s, 6 * s
    if (x - hx) ** 2 + (y - hy) ** 2 <= hr * hr:
        return True
    bx, by, brx, bry = 16 * s - 0.5, 29 * s, 12 * s, 11 * s
    return y <= 29 * s and ((x - bx) / brx) ** 2 + ((y - by) / bry) ** 2 <= 1.0


def render(design, n):
    """Rows top to bottom of (r, g, b, a)."""
    _, shape, colour, letter = design
    quarter = [BLUE, GREEN, ORANGE, PURPLE]
    pix = [[(0, 0, 0, 0)] * n for _ in range(n)]
    for y in range(n):
        for x in range(n):
            if shape == "member":
                if member_pixel(x, y, n):
                    pix[y][x] = colour + (255,)
            elif inside_shape(shape, x, y, n):
                if shape == "quarters":
                    q = (1 if x >= n // 2 else 0) + (2 if y >= n // 2 else 0)
                    pix[y][x] = quarter[q] + (255,)
                else:
                    pix[y][x] = colour + (255,)
    if letter:
        scale = max(2, round(n * 3 / 32))
        gw, gh = 5 * scale, 7 * scale
        ox, oy = (n - gw) // 2, (n - gh) // 2
        for gy, row in enumerate(GLYPHS[letter]):
            for gx, ch in enumerate(row):
                if ch != '#':
                    continue
                for dy in range(scale):
                    for dx in range(scale):
                        pix[oy + gy * scale + dy][ox + gx * scale + dx] = WHITE + (255,)
    # A dark outline keeps the shape readable on light and dark backgrounds;
    # it grows with the image so that it stays visible when shown large.
    width = max(1, n // 32)
    steps = [(d * k, e * k) for k in range(1, width + 1)
             for d, e in ((1, 0), (-1, 0), (0, 1), (0, -1))]
    out = [row[:] for row in pix]
    for y in range(n):
        for x in range(n):
            if pix[y][x][3] == 0:
                continue
            edge = any(
                not (0 <= x + dx < n and 0 <= y + dy < n) or pix[y + dy][x + dx][3] == 0
                for dx, dy in steps)
            if edge and pix[y][x][:3] != WHITE:
                r, g, b, a = pix[y][x]
                out[y][x] = (r // 2, g // 2, b // 2, a)
    return out


def dib(rows):
    """BITMAPINFOHEADER, 32-bit BGRA pixels and the AND mask, bottom up."""
    n = len(rows)
    header = struct.pack("<IiiHHIIiiII", 40, n, 2 * n, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = bytearray()
    for row in reversed(rows):
        for r, g, b, a in row:
            xor += bytes((b, g, r, a))
    stride = ((n + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        line = bytearray(stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += line
    return header + bytes(xor) + bytes(mask)


def png(rows):
    """An RGBA PNG, rows top to bottom."""
    n = len(rows)
    raw = b"".join(b"\0" + bytes(c for px in row for c in px) for row in rows)

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xffffffff))

    return (b"\x89PNG\r\n\x1a\n" +
            chunk(b"IHDR", struct.pack(">IIBBBBB", n, n, 8, 6, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def ico(design):
    images = [png(render(design, n)) if n >= 256 else dib(render(design, n)) for n in SIZES]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for n, data in zip(SIZES, images):
        # A width or height of 256 is written as 0.
        out += struct.pack("<BBBBHHII", n % 256, n % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return out + b"".join(images)


def main():
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "res", "icons")
    os.makedirs(root, exist_ok=True)
    for icon_id, design in sorted(ICONS.items()):
        path = os.path.join(root, "%d-%s.ico" % (icon_id, design[0]))
        with open(path, "wb") as f:
            f.write(ico(design))
    return 0


if __name__ == "__main__":
    sys.exit(main())
