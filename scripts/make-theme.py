#!/usr/bin/env python3
"""Draws the dark theme's images and the window icon into resources/dark/ and
writes resources/resources.qrc listing them with the style sheet.

Standard library only: shapes are described in unit coordinates (0..1 across
the image), rasterised with sub-pixel sampling for smooth edges and written as
RGBA PNG files with zlib and struct. The output is deterministic, so running
the script again reproduces the committed images byte for byte.
"""

import math
import os
import struct
import zlib

RESOURCE_DIR = os.path.normpath(
    os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources"))
OUT_DIR = os.path.join(RESOURCE_DIR, "dark")

SUBSAMPLES = 4  # per pixel side: 16 samples give smooth edges at these sizes
ICON_SIZE = 32
LOGO_SIZE = 128

# State suffix -> colour of the glyph. Normal glyphs are light grey on the
# #252526/#2D2D30 surfaces; focus and pressed use light tints of the
# selection blue so they stay visible on the hover and pressed backgrounds.
STATE_COLOURS = {
    "": (0xC8, 0xCC, 0xD0),
    "_disabled": (0x5F, 0x64, 0x6B),
    "_focus": (0x6C, 0xAE, 0xE6),
    "_pressed": (0xA8, 0xD0, 0xF2),
}


# ---------------------------------------------------------------- shapes

class Shape:
    """Area test in unit coordinates plus a bounding box to limit sampling."""

    def bbox(self):
        raise NotImplementedError

    def contains(self, x, y):
        raise NotImplementedError


class Polygon(Shape):
    def __init__(self, points):
        self.points = points

    def bbox(self):
        xs = [p[0] for p in self.points]
        ys = [p[1] for p in self.points]
        return min(xs), min(ys), max(xs), max(ys)

    def contains(self, x, y):
        inside = False
        pts = self.points
        j = len(pts) - 1
        for i in range(len(pts)):
            xi, yi = pts[i]
            xj, yj = pts[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                inside = not inside
            j = i
        return inside


class Capsule(Shape):
    """A straight stroke with round ends: every point within radius of a segment."""

    def __init__(self, a, b, radius):
        self.a, self.b, self.radius = a, b, radius
        dx, dy = b[0] - a[0], b[1] - a[1]
        self.dx, self.dy = dx, dy
        self.length2 = dx * dx + dy * dy

    def bbox(self):
        r = self.radius
        return (min(self.a[0], self.b[0]) - r, min(self.a[1], self.b[1]) - r,
                max(self.a[0], self.b[0]) + r, max(self.a[1], self.b[1]) + r)

    def contains(self, x, y):
        ax, ay = self.a
        t = 0.0
        if self.length2 > 0:
            t = ((x - ax) * self.dx + (y - ay) * self.dy) / self.length2
            t = max(0.0, min(1.0, t))
        px, py = ax + t * self.dx - x, ay + t * self.dy - y
        return px * px + py * py <= self.radius * self.radius


class Circle(Shape):
    def __init__(self, cx, cy, radius):
        self.cx, self.cy, self.radius = cx, cy, radius

    def bbox(self):
        r = self.radius
        return self.cx - r, self.cy - r, self.cx + r, self.cy + r

    def contains(self, x, y):
        dx, dy = x - self.cx, y - self.cy
        return dx * dx + dy * dy <= self.radius * self.radius


class RoundedRect(Shape):
    def __init__(self, x0, y0, x1, y1, radius):
        self.x0, self.y0, self.x1, self.y1, self.radius = x0, y0, x1, y1, radius

    def bbox(self):
        return self.x0, self.y0, self.x1, self.y1

    def contains(self, x, y):
        if not (self.x0 <= x <= self.x1 and self.y0 <= y <= self.y1):
            return False
        r = self.radius
        cx = min(max(x, self.x0 + r), self.x1 - r)
        cy = min(max(y, self.y0 + r), self.y1 - r)
        dx, dy = x - cx, y - cy
        return dx * dx + dy * dy <= r * r


class Union(Shape):
    """Overlapping parts are covered once, so joined strokes show no darker knots."""

    def __init__(self, *shapes):
        self.shapes = shapes

    def bbox(self):
        boxes = [s.bbox() for s in self.shapes]
        return (min(b[0] for b in boxes), min(b[1] for b in boxes),
                max(b[2] for b in boxes), max(b[3] for b in boxes))

    def contains(self, x, y):
        return any(s.contains(x, y) for s in self.shapes)


class Difference(Shape):
    def __init__(self, shape, hole):
        self.shape, self.hole = shape, hole

    def bbox(self):
        return self.shape.bbox()

    def contains(self, x, y):
        return self.shape.contains(x, y) and not self.hole.contains(x, y)


def polyline(points, radius):
    return Union(*[Capsule(points[i], points[i + 1], radius) for i in range(len(points) - 1)])


def outline(points, radius):
    """Stroke along a closed polygon's edges."""
    return polyline(list(points) + [points[0]], radius)


# ---------------------------------------------------------------- canvas

class Canvas:
    """Premultiplied RGBA pixels in floats, composited with 'source over'."""

    def __init__(self, size):
        self.size = size
        self.pixels = [[0.0, 0.0, 0.0, 0.0] for _ in range(size * size)]
        step = 1.0 / SUBSAMPLES
        self.offsets = [(i + 0.5) * step for i in range(SUBSAMPLES)]

    def fill(self, shape, colour, opacity=1.0):
        size = self.size
        x0, y0, x1, y1 = shape.bbox()
        px0, py0 = max(0, int(math.floor(x0 * size))), max(0, int(math.floor(y0 * size)))
        px1, py1 = min(size, int(math.ceil(x1 * size))), min(size, int(math.ceil(y1 * size)))
        red, green, blue = (c / 255.0 for c in colour)
        total = SUBSAMPLES * SUBSAMPLES
        for py in range(py0, py1):
            for px in range(px0, px1):
                hits = 0
                for oy in self.offsets:
                    y = (py + oy) / size
                    for ox in self.offsets:
                        if shape.contains((px + ox) / size, y):
                            hits += 1
                if hits:
                    alpha = opacity * hits / total
                    pixel = self.pixels[py * size + px]
                    keep = 1.0 - alpha
                    pixel[0] = red * alpha + pixel[0] * keep
                    pixel[1] = green * alpha + pixel[1] * keep
                    pixel[2] = blue * alpha + pixel[2] * keep
                    pixel[3] = alpha + pixel[3] * keep

    def png(self):
        rows = bytearray()
        for py in range(self.size):
            rows.append(0)  # filter type None
            for px in range(self.size):
                r, g, b, a = self.pixels[py * self.size + px]
                if a > 0:
                    rows += bytes((to_byte(r / a), to_byte(g / a), to_byte(b / a), to_byte(a)))
                else:
                    rows += b"\0\0\0\0"
        header = struct.pack(">IIBBBBB", self.size, self.size, 8, 6, 0, 0, 0)
        return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
                + chunk(b"IDAT", zlib.compress(bytes(rows), 9)) + chunk(b"IEND", b""))


def to_byte(value):
    return max(0, min(255, int(round(value * 255))))


def chunk(kind, data):
    crc = zlib.crc32(kind + data) & 0xFFFFFFFF
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", crc)


# ---------------------------------------------------------------- theme glyphs

STROKE = 0.055  # half width of glyph strokes: about 1.75 px at 32 px


def chevron(direction):
    """An open arrow head pointing in direction ('up', 'down', 'left', 'right')."""
    down = [(0.2, 0.35), (0.5, 0.65), (0.8, 0.35)]
    turn = {
        "down": lambda p: p,
        "up": lambda p: (p[0], 1.0 - p[1]),
        "right": lambda p: (p[1], p[0]),
        "left": lambda p: (1.0 - p[1], p[0]),
    }[direction]
    return [polyline([turn(p) for p in down], 1.2 * STROKE)]


BOX = RoundedRect(0.06, 0.06, 0.94, 0.94, 0.16)
BOX_INNER = RoundedRect(0.06 + 2 * STROKE, 0.06 + 2 * STROKE,
                        0.94 - 2 * STROKE, 0.94 - 2 * STROKE, 0.07)
RING = Circle(0.5, 0.5, 0.44)
RING_INNER = Circle(0.5, 0.5, 0.44 - 2 * STROKE)

GLYPHS = {
    "arrow_up": chevron("up"),
    "arrow_down": chevron("down"),
    "arrow_left": chevron("left"),
    "arrow_right": chevron("right"),
    "checkbox_unchecked": [Difference(BOX, BOX_INNER)],
    "checkbox_checked": [Difference(BOX, BOX_INNER),
                         polyline([(0.27, 0.5), (0.43, 0.68), (0.74, 0.32)], 1.2 * STROKE)],
    "checkbox_indeterminate": [Difference(BOX, BOX_INNER),
                               Capsule((0.28, 0.5), (0.72, 0.5), 1.2 * STROKE)],
    "radio_unchecked": [Difference(RING, RING_INNER)],
    "radio_checked": [Difference(RING, RING_INNER), Circle(0.5, 0.5, 0.2)],
}


def draw_glyph(shapes, colour, size):
    canvas = Canvas(size)
    for shape in shapes:
        canvas.fill(shape, colour)
    return canvas.png()


# ---------------------------------------------------------------- window icon

def draw_logo(size):
    """A grey probe pointing down onto a hatched surface line."""
    canvas = Canvas(size)
    dark, mid, light, shine = (0x3C, 0x40, 0x46), (0x8E, 0x95, 0x9C), (0xB4, 0xBA, 0xC0), (0xDA, 0xDE, 0xE2)

    # Material below the surface: short diagonal hatching, then the surface line.
    hatch = Union(*[Capsule((x, 0.95), (x + 0.06, 0.885), 0.012) for x in
                    [0.12 + 0.1 * i for i in range(8)]])
    canvas.fill(hatch, mid)
    canvas.fill(Capsule((0.07, 0.87), (0.93, 0.87), 0.022), light)

    # Cable leaving the top of the probe.
    canvas.fill(Capsule((0.5, 0.02), (0.5, 0.12), 0.035), mid)

    # Body, nose cone and tip, each with a dark rim so the icon reads on light title bars too.
    body = [(0.36, 0.08), (0.64, 0.08), (0.64, 0.56), (0.36, 0.56)]
    nose = [(0.38, 0.56), (0.62, 0.56), (0.57, 0.72), (0.43, 0.72)]
    tip = [(0.43, 0.72), (0.57, 0.72), (0.5, 0.845)]
    rim = 0.016
    canvas.fill(Union(outline(body, rim), outline(nose, rim), outline(tip, rim)), dark)
    canvas.fill(Polygon(body), light)
    canvas.fill(Polygon(nose), mid)
    canvas.fill(Polygon(tip), shine)

    # Highlight down the body and grip rings across it.
    canvas.fill(RoundedRect(0.40, 0.11, 0.45, 0.53, 0.02), shine, 0.8)
    for y in (0.18, 0.24, 0.30):
        canvas.fill(Capsule((0.37, y), (0.63, y), 0.012), dark, 0.7)
    return canvas.png()


# ---------------------------------------------------------------- output

def write(name, data):
    with open(os.path.join(OUT_DIR, name), "wb") as out:
        out.write(data)


def write_qrc(names):
    """The prefix /dark plus the folder dark/ gives the paths :/dark/dark/<name>."""
    lines = ['<!DOCTYPE RCC><RCC version="1.0">', '<qresource prefix="/dark">']
    lines += [f"    <file>dark/{name}</file>" for name in sorted(names)]
    lines += ["</qresource>", "</RCC>", ""]
    with open(os.path.join(RESOURCE_DIR, "resources.qrc"), "w", encoding="utf-8") as out:
        out.write("\n".join(lines))


def main():
    os.makedirs(OUT_DIR, exist_ok=True)
    names = ["style.qss", "logo.png"]
    for family, shapes in GLYPHS.items():
        for state, colour in STATE_COLOURS.items():
            for suffix, size in (("", ICON_SIZE), ("@2x", 2 * ICON_SIZE)):
                name = f"{family}{state}{suffix}.png"
                write(name, draw_glyph(shapes, colour, size))
                names.append(name)
    write("logo.png", draw_logo(LOGO_SIZE))
    write_qrc(names)


if __name__ == "__main__":
    main()
