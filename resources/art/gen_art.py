#!/usr/bin/env python3
"""Draws the library's icons and bitmaps into OUTDIR as .ico and .bmp files.

Every picture is drawn here from code, so no binary art is kept without its source.
Usage: gen_art.py OUTDIR
"""
import os
import struct
import sys


def bmp_bytes(pixels, width, height):
    """24-bit bottom-up BMP from rows of (r, g, b) tuples, top row first."""
    row_size = (width * 3 + 3) & ~3
    data = bytearray()
    for y in range(height - 1, -1, -1):
        row = bytearray()
        for r, g, b in pixels[y]:
            row += bytes((b, g, r))
        row += b"\0" * (row_size - len(row))
        data += row
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(data), 0, 0, 14 + 40)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    return header + info + bytes(data)


def ico_bytes(pixels, size):
    """32-bit icon with alpha from rows of (r, g, b, a) tuples, top row first."""
    xor = bytearray()
    for y in range(size - 1, -1, -1):
        for r, g, b, a in pixels[y]:
            xor += bytes((b, g, r, a))
    mask_row = ((size + 31) // 32) * 4
    and_mask = bytearray()
    for y in range(size - 1, -1, -1):
        bits = bytearray(mask_row)
        for x, (_, _, _, a) in enumerate(pixels[y]):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        and_mask += bits
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(and_mask), 0, 0, 0, 0)
    image = info + bytes(xor) + bytes(and_mask)
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), 6 + 16)
    return directory + entry + image


def canvas(width, height, colour):
    return [[colour for _ in range(width)] for _ in range(height)]


def fill_circle(pixels, cx, cy, radius, colour):
    for y, row in enumerate(pixels):
        for x in range(len(row)):
            if (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2:
                row[x] = colour


def fill_rect(pixels, left, top, right, bottom, colour):
    for y in range(max(top, 0), min(bottom, len(pixels))):
        for x in range(max(left, 0), min(right, len(pixels[y]))):
            pixels[y][x] = colour


def handset(pixels, colour, dx=0, dy=0):
    """A telephone handset: two ear/mouth pieces joined by a bar."""
    fill_rect(pixels, 8 + dx, 10 + dy, 24 + dx, 14 + dy, colour)
    fill_rect(pixels, 5 + dx, 12 + dy, 11 + dx, 20 + dy, colour)
    fill_rect(pixels, 21 + dx, 12 + dy, 27 + dx, 20 + dy, colour)


def icon_normal():
    clear = (0, 0, 0, 0)
    pixels = canvas(32, 32, clear)
    fill_circle(pixels, 15.5, 15.5, 15, (20, 90, 170, 255))
    handset(pixels, (255, 255, 255, 255))
    fill_rect(pixels, 10, 22, 22, 25, (255, 255, 255, 255))
    return pixels


PICTURES = {
    "moh_normal.ico": lambda: ico_bytes(icon_normal(), 32),
}


def main():
    outdir = sys.argv[1]
    os.makedirs(outdir, exist_ok=True)
    for name, draw in PICTURES.items():
        with open(os.path.join(outdir, name), "wb") as f:
            f.write(draw())
    with open(os.path.join(outdir, "art.stamp"), "w") as f:
        f.write("\n".join(sorted(PICTURES)) + "\n")


if __name__ == "__main__":
    main()
