"""The objects the pictures are made of (telephone, bell, book, gear, ...).

Each motif paints onto a canvas or a view (shapes.Canvas, shapes.View) in a 32-unit square,
the size of a toolbar image; views reuse them at other sizes.
"""
import math

from shapes import (arc, box, circle, darker, diagonal, ellipse, grow, lighter, moved, placed,
                    polygon, rotated, segment, subtract, union)

BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
INK = (38, 42, 52)
HANDSET_GREY = (72, 78, 92)
PHONE_BLUE = (62, 104, 170)
PHONE_ORANGE = (236, 120, 28)
GREEN = (52, 160, 60)
RED = (214, 40, 32)
YELLOW = (250, 204, 54)
WAVE = (240, 140, 0)
PAPER = (250, 250, 246)
WOOD = (164, 104, 52)
STEEL = (136, 148, 168)
HELP_BLUE = (40, 100, 200)


def solid(pen, shape, colour, bounds=(0, 0, 32, 32), outline=None):
    """A shape filled with colour lit from the upper left, edged one pixel darker."""
    pen.fill(grow(shape, pen.px(1)), outline or darker(colour, 0.55))
    pen.fill(shape, diagonal(colour, *bounds))


def shadow(pen, shape, dx=1.0, dy=1.0, opacity=0.28):
    """Soft drop shadow below and right of a shape."""
    pen.fill(grow(moved(shape, dx, dy), pen.px(0.5)), BLACK, opacity)


# Telephone ---------------------------------------------------------------------------------

def handset_shape():
    """A handset lying flat at unit size around (0, 0): the handle arches up, the ear and
    mouth pieces point down."""
    handle = arc(0, 1.15, 1.45, 0.38, 240, 300)
    ear = rotated(box(-1.02, -0.30, -0.48, 0.32, 0.16), -22, -0.75, 0)
    mouth = rotated(box(0.48, -0.30, 1.02, 0.32, 0.16), 22, 0.75, 0)
    return union(handle, ear, mouth)


def handset(pen, x, y, size, degrees=0.0, colour=INK):
    shape = placed(handset_shape(), x, y, size, degrees)
    solid(pen, shape, colour, (x - size, y - size, x + size, y + size), darker(colour, 0.6))
    return shape


def desk_phone(pen, body=PHONE_BLUE, lift=0.0, tilt=0.0, small=False):
    """Desk telephone with keypad; the handset rests on the cradle or is lifted and tilted.
    small: the 16-pixel version, with fewer details and a bigger handset."""
    pen.fill(ellipse(16, 28, 13, 2.2), BLACK, 0.22)
    shell = grow(polygon([(9, 14.5), (23, 14.5), (26.5, 25.5), (5.5, 25.5)]), 1.5)
    solid(pen, shell, body, (4, 13, 28, 27))
    if small:
        pen.fill(box(11, 18, 21, 25, 1.5), lighter(body, 0.6))
        handset(pen, 16, 10.5 - lift, 13, tilt, HANDSET_GREY)
        return
    for cx in (9.5, 22.5):
        solid(pen, box(cx - 2, 11.5, cx + 2, 15, 1), darker(body, 0.25))
    pen.fill(box(11, 17.5, 21, 25, 1.2), lighter(body, 0.75))
    for row in range(3):
        for col in range(3):
            x, y = 12.6 + col * 2.6, 19.1 + row * 2
            pen.fill(box(x, y, x + 1.6, y + 1.2, 0.3), darker(body, 0.35))
    handset(pen, 16, 11.5 - lift, 11.5, tilt)


def ringing(pen, lift, tilt, sides, small=False, colour=WAVE):
    """Sound arcs beside the lifted handset's ends, on the given sides (-1 left, +1 right)."""
    reach = 13 if small else 11.5
    for side in sides:
        a = math.radians(tilt)
        x = 16 + side * reach * 0.95 * math.cos(a)
        y = (10.5 if small else 11.5) - lift + side * reach * 0.95 * math.sin(a) - 1.5
        middle = 225 if side < 0 else 315
        radii = (4.6,) if small else (2.8, 5.4)
        for r in radii:
            pen.fill(arc(x, y, r, 3.6 if small else 1.7, middle - 40, middle + 40), colour)


def badge(pen, x, y, r, colour, symbol):
    """Round badge with a white symbol: 'pause' (on hold) or 'alert' (!)."""
    pen.fill(circle(x, y, r + pen.px(1)), WHITE)
    solid(pen, circle(x, y, r), colour, (x - r, y - r, x + r, y + r))
    w = r * 0.32
    if symbol == "pause":
        for dx in (-r * 0.32, r * 0.32):
            pen.fill(box(x + dx - w / 2, y - r * 0.45, x + dx + w / 2, y + r * 0.45), WHITE)
    elif symbol == "alert":
        pen.fill(segment(x, y - r * 0.5, x, y + r * 0.12, w), WHITE)
        pen.fill(circle(x, y + r * 0.5, w * 0.55), WHITE)


# Arrows and signs --------------------------------------------------------------------------

def arrow(pen, x0, y0, x1, y1, colour, width=3.6, head=4.2):
    """Straight arrow from (x0, y0) pointing at (x1, y1)."""
    length = math.hypot(x1 - x0, y1 - y0)
    ux, uy = (x1 - x0) / length, (y1 - y0) / length
    bx, by = x1 - ux * head * 1.2, y1 - uy * head * 1.2
    tip = polygon([(x1, y1), (bx - uy * head, by + ux * head), (bx + uy * head, by - ux * head)])
    shape = union(segment(x0, y0, bx, by, width), tip)
    solid(pen, shape, colour, (min(x0, x1), min(y0, y1), max(x0, x1), max(y0, y1)))


def turning_arrow(pen, cx, cy, r, start, end, colour, width=3.2, head=3.6):
    """Arrow along a circle, clockwise from start to end (degrees), head at the end."""
    a = math.radians(end)
    ex, ey = cx + r * math.cos(a), cy + r * math.sin(a)
    tx, ty = -math.sin(a), math.cos(a)           # clockwise tangent
    nx, ny = math.cos(a), math.sin(a)
    tip = polygon([(ex + tx * head * 1.3, ey + ty * head * 1.3),
                   (ex + nx * head, ey + ny * head), (ex - nx * head, ey - ny * head)])
    shape = union(arc(cx, cy, r, width, start, end), tip)
    solid(pen, shape, colour, (cx - r, cy - r, cx + r, cy + r))


def no_sign(pen, x, y, r, width=2.6):
    """Red ring with a slash: not allowed."""
    slash = rotated(box(x - r, y - width / 2, x + r, y + width / 2), 45, x, y)
    ring = union(arc(x, y, r, width, 0, 360), slash)
    pen.fill(grow(ring, pen.px(1)), WHITE)
    pen.fill(ring, RED)


def red_cross(pen, x, y, r, width=4.6):
    shape = union(segment(x - r, y - r, x + r, y + r, width),
                  segment(x - r, y + r, x + r, y - r, width))
    solid(pen, shape, RED, (x - r, y - r, x + r, y + r))


def question_mark(pen, x, y, size, colour=WHITE):
    """A question mark in a size-unit tall box centred at (x, y)."""
    s = size / 10
    pen.fill(arc(x, y - 2.1 * s, 2.6 * s, 1.9 * s, 170, 395), colour)
    pen.fill(segment(x + 1.9 * s, y - 0.3 * s, x, y + 1.0 * s, 1.9 * s), colour)
    pen.fill(segment(x, y + 1.0 * s, x, y + 1.8 * s, 1.9 * s), colour)
    pen.fill(circle(x, y + 4.1 * s, 1.2 * s), colour)


# Things ------------------------------------------------------------------------------------

def bell(pen, x, y, size, colour=(244, 192, 40)):
    """Bell centred at (x, y), size units tall: rounded crown, flared sides, lip and clapper."""
    s = size / 20
    side = [(5.2 + 3.6 * ((t + 3) / 8) ** 2.4, t) for t in (-3, -1.5, 0, 1.5, 3, 4.2, 5)]
    outline = ([(x - w * s, y + t * s) for w, t in side] +
               [(x + w * s, y + t * s) for w, t in reversed(side)])
    shape = union(circle(x, y - 3 * s, 5.2 * s), polygon(outline),
                  box(x - 9.6 * s, y + 4.2 * s, x + 9.6 * s, y + 7 * s, 1.4 * s),
                  circle(x, y - 8.6 * s, 1.6 * s))
    solid(pen, circle(x, y + 8 * s, 2.3 * s), darker(colour, 0.3), (x - 3, y, x + 3, y + 10))
    solid(pen, shape, colour, (x - 10 * s, y - 10 * s, x + 10 * s, y + 8 * s))


def spark(pen, x, y, size, colour=YELLOW):
    """A small zig-zag flash."""
    s = size / 10
    shape = polygon([(x - 1 * s, y - 5 * s), (x + 3 * s, y - 5 * s), (x + 0.6 * s, y - 0.6 * s),
                     (x + 3 * s, y - 0.6 * s), (x - 2.2 * s, y + 5.5 * s), (x - 0.2 * s, y + 0.8 * s),
                     (x - 2.6 * s, y + 0.8 * s)])
    half = size / 2
    solid(pen, shape, colour, (x - half, y - half, x + half, y + half), darker(RED, 0.2))


def chain_link(pen, x, y, degrees, colour, gap=False, size=7.5):
    """Oval chain link centred at (x, y); with gap, it is broken open at one end."""
    local = subtract(box(-1.0, -0.5, 1.0, 0.5, 0.5), box(-0.62, -0.17, 0.62, 0.17, 0.17))
    if gap:
        local = subtract(local, box(0.55, -0.2, 1.2, 0.2))
    shape = placed(local, x, y, size, degrees)
    solid(pen, shape, colour, (x - size, y - size, x + size, y + size))


def book(pen, left=5, top=3, right=26, bottom=29, cover=(40, 84, 170), emblem=True):
    """Closed book seen from the front: cover, pages at the right edge, a label on the cover
    with a handset (emblem) or, for small sizes, plain lines."""
    shadow(pen, box(left, top, right + 2, bottom, 1.5))
    solid(pen, box(left + 2, top + 1, right + 2, bottom, 1), PAPER, outline=(120, 120, 120))
    for y in range(top + 3, bottom - 1, 2):
        pen.fill(box(right, y, right + 1.5, y + 0.5), (200, 200, 196))
    solid(pen, box(left, top, right, bottom - 1, 1.5), cover)
    pen.fill(box(left + 1.5, top + 1, left + 3, bottom - 2), darker(cover, 0.3))
    w = right - left
    label = box(left + w * 0.3, top + 4, right - w * 0.12, top + 4 + (bottom - top) * 0.42, 1)
    pen.fill(label, lighter(cover, 0.85))
    if emblem:
        handset(pen, left + w * 0.59, top + 4 + (bottom - top) * 0.22, w * 0.22, 0, darker(cover, 0.2))
        return
    for i in range(2):
        y = top + 6.5 + i * 3.5
        pen.fill(box(left + w * 0.38, y, right - w * 0.2, y + 1.6), darker(cover, 0.1))


def gear_shape(cx, cy, outer, inner, hole, teeth=8):
    tooth = box(cx - outer * 0.22, cy - outer, cx + outer * 0.22, cy, outer * 0.08)
    parts = [circle(cx, cy, inner)] + [rotated(tooth, i * 360 / teeth, cx, cy) for i in range(teeth)]
    return subtract(union(*parts), circle(cx, cy, hole))


def gear(pen, cx, cy, outer, colour=STEEL, teeth=8):
    shape = gear_shape(cx, cy, outer, outer * 0.74, outer * 0.3, teeth)
    shadow(pen, shape)
    solid(pen, shape, colour, (cx - outer, cy - outer, cx + outer, cy + outer))


def door_and_arrow(pen):
    """Open door with a green arrow leaving through it."""
    solid(pen, box(5, 3, 19, 29), (90, 60, 36))
    pen.fill(box(7, 5, 17, 29), (36, 28, 22))
    leaf = polygon([(7, 5), (13.5, 7.5), (13.5, 30.5), (7, 29)])
    solid(pen, leaf, WOOD, (7, 5, 14, 30))
    pen.fill(circle(12, 18, 0.9), YELLOW)
    arrow(pen, 14, 17, 30, 17, GREEN, 4.4, 4.6)


def page(pen, left, top, right, bottom):
    """Sheet of paper with a folded corner and ruled lines."""
    fold = 5
    sheet = polygon([(left, top), (right - fold, top), (right, top + fold), (right, bottom),
                     (left, bottom)])
    shadow(pen, sheet)
    solid(pen, sheet, PAPER, outline=(110, 110, 110))
    corner = polygon([(right - fold, top), (right - fold, top + fold), (right, top + fold)])
    pen.fill(corner, (200, 200, 196))
    for y in range(int(top) + 6, int(bottom) - 2, 3):
        pen.fill(box(left + 3, y, right - 3, y + 1), (120, 140, 180))


def clock(pen, x, y, r):
    pen.fill(grow(circle(x, y, r), pen.px(1)), darker(HELP_BLUE, 0.4))
    pen.fill(circle(x, y, r), HELP_BLUE)
    pen.fill(circle(x, y, r - 1.3), WHITE)
    pen.fill(segment(x, y, x, y - r * 0.62, 1.3), INK)
    pen.fill(segment(x, y, x + r * 0.45, y + r * 0.12, 1.3), INK)
    pen.fill(circle(x, y, 0.9), RED)


def floppy(pen, left=4, top=4, size=24, colour=(44, 70, 140)):
    """Diskette: body with a cut corner, metal shutter at the top, label below."""
    r, b = left + size, top + size
    corners = [(left + 1, top + 1), (r - 4, top + 1), (r - 1, top + 4), (r - 1, b - 1),
               (left + 1, b - 1)]
    body = grow(polygon(corners), 1)
    shadow(pen, body)
    solid(pen, body, colour, (left, top, r, b))
    shutter = box(left + size * 0.28, top, left + size * 0.72, top + size * 0.36, 0.5)
    solid(pen, shutter, (200, 204, 212), outline=(90, 96, 110))
    window = box(left + size * 0.56, top + size * 0.06, left + size * 0.66, top + size * 0.3)
    pen.fill(window, (90, 96, 110))
    label = box(left + size * 0.16, top + size * 0.5, r - size * 0.16, b, 1)
    solid(pen, label, PAPER, outline=(110, 110, 110))
    for i in range(2):
        y = top + size * (0.64 + i * 0.16)
        pen.fill(box(left + size * 0.24, y, r - size * 0.24, y + 0.9), (140, 150, 190))


def pencil(pen, x0, y0, x1, y1, width=4.4):
    """Pencil lying from its end (x0, y0) to its point (x1, y1)."""
    angle = math.degrees(math.atan2(y1 - y0, x1 - x0))
    length = math.hypot(x1 - x0, y1 - y0)
    h = width / 2
    local_body = box(0, -h, length - width * 1.4, h, 0.6)
    local_tip = polygon([(length - width * 1.4, -h), (length, 0), (length - width * 1.4, h)])
    local_lead = polygon([(length - width * 0.5, -h * 0.36), (length, 0),
                          (length - width * 0.5, h * 0.36)])
    local_end = box(0, -h, width * 0.8, h, 0.6)

    def put(shape):
        return placed(shape, x0, y0, 1, angle)
    shadow(pen, put(union(local_body, local_tip)))
    solid(pen, put(local_body), (246, 186, 40))
    solid(pen, put(local_tip), (236, 206, 160), outline=(120, 90, 50))
    pen.fill(put(local_lead), INK)
    solid(pen, put(local_end), (230, 120, 140))


def plus(pen, x, y, r, colour=GREEN, width=3.6):
    shape = union(box(x - r, y - width / 2, x + r, y + width / 2, 0.6),
                  box(x - width / 2, y - r, x + width / 2, y + r, 0.6))
    solid(pen, shape, colour, (x - r, y - r, x + r, y + r))


def open_folder(pen, left, top, right, bottom):
    back = box(left, top + 2, right - 2, bottom, 1)
    tab = box(left, top, left + (right - left) * 0.4, top + 4, 1)
    solid(pen, union(back, tab), (220, 170, 40))
    pen.fill(box(left + 2, top + 4, right - 4, bottom - 2), PAPER)
    front = polygon([(left + 3, top + 7), (right, top + 7), (right - 3, bottom), (left, bottom)])
    solid(pen, front, (252, 212, 80))


def speaker(pen, x, y, size, colour=(90, 96, 110)):
    """Loudspeaker facing right, its magnet at (x, y)."""
    s = size / 10
    shape = union(box(x - 2 * s, y - 2 * s, x + 1 * s, y + 2 * s, 0.3 * s),
                  polygon([(x, y - 2 * s), (x + 4.5 * s, y - 5 * s),
                           (x + 4.5 * s, y + 5 * s), (x, y + 2 * s)]))
    solid(pen, shape, colour, (x - 3 * s, y - 5 * s, x + 5 * s, y + 5 * s))


def play_triangle(pen, x, y, r, colour=GREEN):
    shape = grow(polygon([(x - r * 0.6, y - r), (x + r, y), (x - r * 0.6, y + r)]), 0.4)
    solid(pen, shape, colour, (x - r, y - r, x + r, y + r))
