"""The start-up picture (logon.bmp): product name on a blue sky beside a ringing telephone.

The light strip at the bottom stays empty: the program puts its link there (URLx, URLy of
the default settings file: 12, 200).
"""
import math

from motifs import desk_phone, ringing
from shapes import (Canvas, arc, box, circle, mix, moved, segment, union, vertical)

WIDTH, HEIGHT = 400, 260
STRIP_TOP = 186
SKY_TOP, SKY_BOTTOM = (22, 52, 122), (74, 128, 206)
ACCENT = (244, 156, 36)


def logon():
    canvas = Canvas(WIDTH, HEIGHT)
    canvas.fill(box(0, 0, WIDTH, STRIP_TOP), vertical(SKY_TOP, SKY_BOTTOM, 0, STRIP_TOP))
    for i, (y, amplitude, period) in enumerate([(140, 10, 150), (152, 14, 190), (164, 8, 120)]):
        signal_wave(canvas, y, amplitude, period, i * 1.7)
    glow(canvas, 322, 92, 76)
    phone = canvas.view(258, 24, 4.0, extent=32)
    desk_phone(phone, lift=3, tilt=-8)
    ringing(phone, 3, -8, (-1, 1), colour=(255, 200, 80))
    product_name(canvas, "Pellora", 24, 96, 33)
    pixel_text(canvas, "MODEM ON HOLD", 27, 114, 3, (255, 214, 120))
    bottom_strip(canvas)
    pixel_text(canvas, "V.92", WIDTH - 52, HEIGHT - 24, 2, (120, 136, 170))
    return canvas.flattened((255, 255, 255))


def bottom_strip(canvas):
    paint = vertical((250, 251, 253), (214, 224, 240), STRIP_TOP, HEIGHT)
    canvas.fill(box(0, STRIP_TOP, WIDTH, HEIGHT), paint)
    canvas.fill(box(0, STRIP_TOP, WIDTH, STRIP_TOP + 3), ACCENT)


def glow(canvas, x, y, r):
    """A soft light disc behind the telephone."""
    def paint(px, py):
        return mix((150, 190, 240), SKY_BOTTOM, min(1.0, math.hypot(px - x, py - y) / r))
    canvas.fill(circle(x, y, r), paint, 0.55, (x - r, y - r, x + r, y + r))


def signal_wave(canvas, y0, amplitude, period, phase):
    """A faint sine across the sky, like a line signal."""
    k = 2 * math.pi / period

    def distance(x, y):
        slope = amplitude * k * math.cos(k * x + phase)
        return abs(y - y0 - amplitude * math.sin(k * x + phase)) / math.sqrt(1 + slope * slope) - 1.0
    canvas.fill(distance, (180, 210, 250), 0.35, (0, y0 - amplitude - 3, WIDTH, y0 + amplitude + 3))


# Stroke letters: centre lines at x-height 1, baseline at y = 0; each glyph has a width. -------

ASCENDER = -1.45


def _glyph(ch):
    if ch == "P":
        return 0.7, [segment(0, ASCENDER, 0, 0, 0), segment(0, ASCENDER, 0.34, ASCENDER, 0),
                     arc(0.34, -1.1, 0.35, 0, 270, 450), segment(0, -0.75, 0.34, -0.75, 0)]
    if ch == "e":
        return 1.0, [segment(0.02, -0.5, 0.98, -0.5, 0), arc(0.5, -0.5, 0.48, 0, 40, 360)]
    if ch == "l":
        return 0.0, [segment(0, ASCENDER, 0, 0, 0)]
    if ch == "o":
        return 1.0, [arc(0.5, -0.5, 0.48, 0, 0, 360)]
    if ch == "r":
        return 0.74, [segment(0, -1, 0, 0, 0), arc(0.44, -0.56, 0.44, 0, 180, 300)]
    if ch == "a":
        return 0.98, [arc(0.48, -0.5, 0.48, 0, 0, 360), segment(0.98, -1, 0.98, 0, 0)]
    raise ValueError("no stroke letter for %r" % ch)


def stroke_text(text, x, baseline, size, weight):
    """One shape of the text in stroke letters, x-height size units, strokes weight wide."""
    parts, pen_x = [], x
    for ch in text:
        width, strokes = _glyph(ch)
        parts += [_placed_stroke(s, pen_x, baseline, size, weight) for s in strokes]
        pen_x += (width + 0.36) * size
    return union(*parts), pen_x - 0.36 * size


def _placed_stroke(stroke, x, baseline, size, weight):
    return lambda px, py: stroke((px - x) / size, (py - baseline) / size) * size - weight / 2


def product_name(canvas, text, x, baseline, size):
    shape, right = stroke_text(text, x, baseline, size, size * 0.24)
    area = (x - 10, baseline + ASCENDER * size - 10, right + 10, baseline + 10)
    canvas.fill(moved(shape, 3, 3), (0, 0, 30), 0.35, area)
    paint = vertical((255, 255, 255), (200, 222, 255), baseline + ASCENDER * size, baseline)
    canvas.fill(shape, paint, 1.0, area)


# Pixel letters (5 by 7) for the small texts. ------------------------------------------------

PIXEL_FONT = {
    "M": ["10001", "11011", "10101", "10101", "10001", "10001", "10001"],
    "O": ["01110", "10001", "10001", "10001", "10001", "10001", "01110"],
    "D": ["11110", "10001", "10001", "10001", "10001", "10001", "11110"],
    "E": ["11111", "10000", "10000", "11110", "10000", "10000", "11111"],
    "N": ["10001", "11001", "10101", "10011", "10001", "10001", "10001"],
    "H": ["10001", "10001", "10001", "11111", "10001", "10001", "10001"],
    "L": ["10000", "10000", "10000", "10000", "10000", "10000", "11111"],
    "V": ["10001", "10001", "10001", "10001", "10001", "01010", "00100"],
    "9": ["01110", "10001", "10001", "01111", "00001", "00010", "01100"],
    "2": ["01110", "10001", "00001", "00010", "00100", "01000", "11111"],
    ".": ["0", "0", "0", "0", "0", "0", "1"],
    " ": ["000", "000", "000", "000", "000", "000", "000"],
}


def pixel_text(canvas, text, x, top, dot, colour):
    """Text in the 5 by 7 pixel font, each font pixel a dot by dot square."""
    for ch in text:
        rows = PIXEL_FONT[ch]
        for r, bits in enumerate(rows):
            for c, bit in enumerate(bits):
                if bit == "1":
                    left, y = x + c * dot, top + r * dot
                    square = (left, y, left + dot, y + dot)
                    canvas.fill(box(*square), colour, area=square)
        x += (len(rows[0]) + 1) * dot
