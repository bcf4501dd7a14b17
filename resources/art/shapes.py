"""Shapes as signed distance functions, and a canvas that paints them with smooth edges.

A shape is a function (x, y) -> distance from its edge in drawing units, negative inside.
Shapes combine with union, subtract and the transforms below, so a picture is a few
filled shapes, each painted with a colour or a gradient.
Angles are in degrees, clockwise from three o'clock, as y grows downwards.
"""
import math


def circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def ellipse(cx, cy, rx, ry):
    k = min(rx, ry)
    return lambda x, y: (math.hypot((x - cx) / rx, (y - cy) / ry) - 1) * k


def box(left, top, right, bottom, radius=0.0):
    """Rectangle with corners rounded by radius."""
    cx, cy = (left + right) / 2, (top + bottom) / 2
    hx, hy = (right - left) / 2 - radius, (bottom - top) / 2 - radius

    def distance(x, y):
        qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
        return math.hypot(max(qx, 0), max(qy, 0)) + min(max(qx, qy), 0) - radius
    return distance


def segment(x0, y0, x1, y1, width):
    """Straight stroke with round ends."""
    dx, dy = x1 - x0, y1 - y0
    length2 = dx * dx + dy * dy or 1e-9

    def distance(x, y):
        t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / length2))
        return math.hypot(x - x0 - t * dx, y - y0 - t * dy) - width / 2
    return distance


def polygon(points):
    """Filled polygon (even-odd rule)."""
    edges = list(zip(points, points[1:] + points[:1]))

    def distance(x, y):
        nearest, inside = float("inf"), False
        for (ax, ay), (bx, by) in edges:
            dx, dy = bx - ax, by - ay
            t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy or 1e-9)))
            nearest = min(nearest, math.hypot(x - ax - t * dx, y - ay - t * dy))
            if (ay > y) != (by > y) and x < ax + (y - ay) * dx / dy:
                inside = not inside
        return -nearest if inside else nearest
    return distance


def arc(cx, cy, r, width, start, end):
    """Stroke along a circle from angle start clockwise to end, with round ends."""
    a0 = math.radians(start)
    span = math.radians(end - start)
    ends = [(cx + r * math.cos(a), cy + r * math.sin(a)) for a in (a0, a0 + span)]

    def distance(x, y):
        if (math.atan2(y - cy, x - cx) - a0) % (2 * math.pi) <= span:
            return abs(math.hypot(x - cx, y - cy) - r) - width / 2
        return min(math.hypot(x - ex, y - ey) for ex, ey in ends) - width / 2
    return distance


def union(*shapes):
    return lambda x, y: min(s(x, y) for s in shapes)


def subtract(a, b):
    return lambda x, y: max(a(x, y), -b(x, y))


def grow(shape, amount):
    return lambda x, y: shape(x, y) - amount


def moved(shape, dx, dy):
    return lambda x, y: shape(x - dx, y - dy)


def rotated(shape, degrees, cx, cy):
    c, s = math.cos(math.radians(degrees)), math.sin(math.radians(degrees))

    def distance(x, y):
        px, py = x - cx, y - cy
        return shape(cx + px * c + py * s, cy - px * s + py * c)
    return distance


def placed(shape, x, y, size, degrees=0.0):
    """A shape drawn around (0, 0) at unit size, scaled, turned and put at (x, y)."""
    c, s = math.cos(math.radians(degrees)), math.sin(math.radians(degrees))

    def distance(px, py):
        dx, dy = (px - x) / size, (py - y) / size
        return shape(dx * c + dy * s, -dx * s + dy * c) * size
    return distance


# Colours are (r, g, b) tuples of 0..255.

def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def lighter(colour, t=0.45):
    return mix(colour, (255, 255, 255), t)


def darker(colour, t=0.45):
    return mix(colour, (0, 0, 0), t)


def vertical(top_colour, bottom_colour, top, bottom):
    """Paint that runs from one colour at y = top to another at y = bottom."""
    def paint(_, y):
        return mix(top_colour, bottom_colour, max(0.0, min(1.0, (y - top) / (bottom - top or 1))))
    return paint


def diagonal(colour, left, top, right, bottom):
    """Paint lit from the upper left: light there, the colour itself lower right."""
    light = lighter(colour, 0.55)
    span = (right - left) + (bottom - top) or 1

    def paint(x, y):
        return mix(light, colour, max(0.0, min(1.0, ((x - left) + (y - top)) / span)))
    return paint


class Canvas:
    """RGBA pixels, clear at first, painted in drawing units; scale is pixels per unit."""

    def __init__(self, width, height, scale=1.0):
        self.width, self.height, self.scale = width, height, scale
        self.pixels = [[(0.0, 0.0, 0.0, 0.0)] * width for _ in range(height)]

    def px(self, pixels):
        """Drawing units that make the given number of pixels."""
        return pixels / self.scale

    def fill(self, shape, paint, opacity=1.0, area=None):
        """Paints shape with a colour or paint(x, y); area (units) limits the pixels visited."""
        left, top, right, bottom = area or (0, 0, self.width / self.scale, self.height / self.scale)
        k = self.scale
        for py in range(max(0, int(top * k)), min(self.height, int(math.ceil(bottom * k)))):
            row = self.pixels[py]
            y = (py + 0.5) / k
            for px in range(max(0, int(left * k)), min(self.width, int(math.ceil(right * k)))):
                x = (px + 0.5) / k
                cover = 0.5 - shape(x, y) * k
                if cover <= 0:
                    continue
                colour = paint(x, y) if callable(paint) else paint
                row[px] = over(row[px], colour, min(cover, 1.0) * opacity)

    def view(self, x, y, size, extent=None):
        """A canvas-like view at (x, y) whose units are size canvas units large.
        extent, when given, is the view's own square size: nothing is painted beyond it."""
        return View(self, x, y, size, extent)

    def rgba(self, x, y):
        r, g, b, a = self.pixels[y][x]
        return (round(r), round(g), round(b), round(a * 255))

    def flattened(self, background):
        """Rows of (r, g, b) with the canvas laid over a solid background."""
        return [[tuple(round(c) for c in mix(background, p[:3], p[3])) for p in row]
                for row in self.pixels]


class View:
    """Part of a canvas addressed in its own units (for reusing a motif at another size)."""

    def __init__(self, canvas, x, y, size, extent=None):
        self.canvas, self.x, self.y, self.size = canvas, x, y, size
        self.extent = extent

    def px(self, pixels):
        return self.canvas.px(pixels) / self.size

    def fill(self, shape, paint, opacity=1.0, area=None):
        x, y, k = self.x, self.y, self.size
        inner = paint
        if callable(paint):
            def inner(px, py):
                return paint((px - x) / k, (py - y) / k)
        area = area or (self.extent and (0, 0, self.extent, self.extent))
        bounds = area and (x + area[0] * k, y + area[1] * k, x + area[2] * k, y + area[3] * k)
        self.canvas.fill(placed(shape, x, y, k), inner, opacity, bounds)


def over(under, colour, alpha):
    """colour at the given alpha laid over an RGBA pixel."""
    r, g, b, a = under
    out = alpha + a * (1 - alpha)
    if out <= 0:
        return (0.0, 0.0, 0.0, 0.0)
    keep = a * (1 - alpha)
    return ((colour[0] * alpha + r * keep) / out,
            (colour[1] * alpha + g * keep) / out,
            (colour[2] * alpha + b * keep) / out,
            out)
