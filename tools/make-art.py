#!/usr/bin/env python3
"""Draws the program's icon (res/KELVORO.ico) and splash picture (res/splash.bmp).

Standard library only, so the committed pictures can be redrawn on any machine:
    python3 tools/make-art.py
Text is drawn with a small stroke font defined here; strokes are anti-aliased
capsules rasterised from their distance to each pixel.
"""
import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
RES = os.path.join(HERE, "..", "res")

SPLASH_W, SPLASH_H = 868, 490


class Canvas:
    """RGB picture with float channels 0..1, top row first."""

    def __init__(self, w, h, colour=(0.0, 0.0, 0.0)):
        self.w, self.h = w, h
        self.px = [[list(colour) for _ in range(w)] for _ in range(h)]

    def blend(self, x, y, colour, alpha):
        if 0 <= x < self.w and 0 <= y < self.h and alpha > 0:
            p = self.px[y][x]
            for i in range(3):
                p[i] += (colour[i] - p[i]) * min(alpha, 1.0)

    def capsule(self, ax, ay, bx, by, radius, colour, alpha=1.0):
        """Thick line with round ends."""
        x0 = int(math.floor(min(ax, bx) - radius - 1))
        x1 = int(math.ceil(max(ax, bx) + radius + 1))
        y0 = int(math.floor(min(ay, by) - radius - 1))
        y1 = int(math.ceil(max(ay, by) + radius + 1))
        dx, dy = bx - ax, by - ay
        length2 = dx * dx + dy * dy
        for y in range(max(y0, 0), min(y1, self.h - 1) + 1):
            for x in range(max(x0, 0), min(x1, self.w - 1) + 1):
                px, py = x + 0.5 - ax, y + 0.5 - ay
                t = 0.0 if length2 == 0 else max(0.0, min(1.0, (px * dx + py * dy) / length2))
                d = math.hypot(px - t * dx, py - t * dy)
                cover = radius + 0.5 - d
                if cover > 0:
                    self.blend(x, y, colour, min(cover, 1.0) * alpha)

    def polyline(self, points, radius, colour, alpha=1.0):
        for (ax, ay), (bx, by) in zip(points, points[1:]):
            self.capsule(ax, ay, bx, by, radius, colour, alpha)

    def disc(self, cx, cy, radius, colour, alpha=1.0):
        self.capsule(cx, cy, cx, cy, radius, colour, alpha)

    def rounded_rect(self, x0, y0, x1, y1, r, colour, alpha=1.0):
        for y in range(max(int(y0), 0), min(int(math.ceil(y1)), self.h)):
            for x in range(max(int(x0), 0), min(int(math.ceil(x1)), self.w)):
                cx = min(max(x + 0.5, x0 + r), x1 - r)
                cy = min(max(y + 0.5, y0 + r), y1 - r)
                d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
                cover = r + 0.5 - d
                if cover > 0:
                    self.blend(x, y, colour, min(cover, 1.0) * alpha)


def arc(cx, cy, rx, ry, a0, a1, steps=24):
    """Points of an elliptic arc, angles in degrees, 0 = right, counter-clockwise on screen."""
    return [(cx + rx * math.cos(math.radians(a0 + (a1 - a0) * i / steps)),
             cy - ry * math.sin(math.radians(a0 + (a1 - a0) * i / steps))) for i in range(steps + 1)]


# Stroke font on a grid 6 units high; each glyph is (advance, [polylines]).
GLYPHS = {
    "A": (4, [[(0, 6), (2, 0), (4, 6)], [(0.7, 4), (3.3, 4)]]),
    "C": (4, [arc(2.2, 3, 2, 3, 50, 310)]),
    "D": (4, [[(0, 0), (0, 6), (1.5, 6)] + arc(1.5, 3, 2.5, 3, -90, 90) + [(0, 0)]]),
    "E": (3.5, [[(3.5, 0), (0, 0), (0, 6), (3.5, 6)], [(0, 3), (2.8, 3)]]),
    "F": (3.5, [[(3.5, 0), (0, 0), (0, 6)], [(0, 3), (2.8, 3)]]),
    "G": (4.2, [arc(2.2, 3, 2, 3, 50, 330) + [(4.2, 3.6), (2.6, 3.6)]]),
    "I": (0, [[(0, 0), (0, 6)]]),
    "K": (4, [[(0, 0), (0, 6)], [(4, 0), (0, 3.8)], [(1.3, 2.6), (4, 6)]]),
    "L": (3.5, [[(0, 0), (0, 6), (3.5, 6)]]),
    "M": (5, [[(0, 6), (0, 0), (2.5, 4), (5, 0), (5, 6)]]),
    "N": (4, [[(0, 6), (0, 0), (4, 6), (4, 0)]]),
    "O": (4.4, [arc(2.2, 3, 2.2, 3, 0, 360, 48)]),
    "P": (4, [[(0, 6), (0, 0), (2.3, 0)] + arc(2.3, 1.6, 1.7, 1.6, 90, -90) + [(0, 3.2)]]),
    "R": (4, [[(0, 6), (0, 0), (2.3, 0)] + arc(2.3, 1.6, 1.7, 1.6, 90, -90) + [(0, 3.2)],
              [(2.2, 3.2), (4, 6)]]),
    "T": (4, [[(0, 0), (4, 0)], [(2, 0), (2, 6)]]),
    "U": (4, [[(0, 0), (0, 4)] + arc(2, 4, 2, 2, 180, 360) + [(4, 0)]]),
    "V": (4.4, [[(0, 0), (2.2, 6), (4.4, 0)]]),
    "W": (6, [[(0, 0), (1.5, 6), (3, 1.5), (4.5, 6), (6, 0)]]),
    "Z": (4, [[(0, 0), (4, 0), (0, 6), (4, 6)]]),
    "0": (3.6, [arc(1.8, 3, 1.8, 3, 0, 360, 40)]),
    "2": (3.6, [arc(1.8, 1.7, 1.8, 1.7, 160, -30) + [(0, 6), (3.6, 6)]]),
    ".": (0, [[(0, 6), (0, 6)]]),
    "&": (4.2, [[(4.2, 6), (0.8, 2.2)] + arc(1.7, 1.4, 1.1, 1.2, 220, -40) + [(0.4, 4.2)]
                + arc(1.8, 4.6, 1.5, 1.4, 180, 300) + [(3.8, 3.4)]]),
    " ": (2.2, []),
}


def text_width(text, unit, spacing):
    return sum(GLYPHS[c][0] * unit + spacing for c in text) - spacing


def draw_text(canvas, text, x, y, unit, radius, colour, spacing, alpha=1.0):
    """Draws text whose glyph cells are 6 * unit high with their top at y."""
    for c in text:
        advance, strokes = GLYPHS[c]
        for stroke in strokes:
            canvas.polyline([(x + px * unit, y + py * unit) for px, py in stroke], radius, colour, alpha)
        x += advance * unit + spacing


def snowflake(canvas, cx, cy, size, radius, colour, alpha):
    for k in range(6):
        a = math.radians(90 + k * 60)
        ex, ey = cx + size * math.cos(a), cy - size * math.sin(a)
        canvas.capsule(cx, cy, ex, ey, radius, colour, alpha)
        for f in (0.45, 0.7):
            bx, by = cx + size * f * math.cos(a), cy - size * f * math.sin(a)
            for side in (-1, 1):
                b = a + side * math.radians(40)
                length = size * (0.28 if f < 0.5 else 0.2)
                canvas.capsule(bx, by, bx + length * math.cos(b), by - length * math.sin(b), radius, colour, alpha)


def lerp(c0, c1, t):
    return tuple(a + (b - a) * t for a, b in zip(c0, c1))


def hexrgb(text):
    return tuple(int(text[i:i + 2], 16) / 255.0 for i in (0, 2, 4))


def draw_splash():
    c = Canvas(SPLASH_W, SPLASH_H)
    top, bottom = hexrgb("0B1E3C"), hexrgb("0E6F86")
    for y in range(SPLASH_H):
        for x in range(SPLASH_W):
            t = (y / SPLASH_H) * 0.75 + (x / SPLASH_W) * 0.25
            c.px[y][x] = list(lerp(top, bottom, t))

    white = (1.0, 1.0, 1.0)
    ice = hexrgb("BDEBF5")
    snowflake(c, 730, 330, 125, 4.5, white, 0.14)
    snowflake(c, 120, 400, 60, 2.5, white, 0.12)
    snowflake(c, 820, 70, 40, 2, white, 0.12)

    # Thermometer beside the name.
    c.rounded_rect(86, 96, 118, 262, 16, white, 0.95)
    c.disc(102, 272, 30, white, 0.95)
    c.rounded_rect(94, 150, 110, 262, 8, hexrgb("1E8FD6"))
    c.disc(102, 272, 22, hexrgb("1E8FD6"))
    for i in range(5):
        c.capsule(124, 112 + i * 30, 136, 112 + i * 30, 1.6, white, 0.8)

    name = "KELVORO"
    unit, spacing = 18.0, 22.0
    draw_text(c, name, 180, 118, unit, 8.5, white, spacing)

    sub = "TEMPERATURE LOG VIEWER"
    draw_text(c, sub, 184, 258, 4.2, 1.6, ice, 9.0)

    c.capsule(180, 310, 180 + text_width(name, unit, spacing), 310, 1.2, ice, 0.6)
    draw_text(c, "VANTORI FREEZER & REFRIGERATOR", 184, 400, 3.0, 1.2, white, 6.5, 0.9)
    draw_text(c, "VER 2.0", 184, 432, 3.0, 1.2, ice, 6.5, 0.9)
    return c


def to_bgr_bytes(canvas, alpha=False):
    """Bottom-up rows as a Windows DIB wants them, padded to 4 bytes."""
    rows = []
    for y in range(canvas.h - 1, -1, -1):
        row = bytearray()
        for x in range(canvas.w):
            r, g, b = (max(0, min(255, int(round(v * 255)))) for v in canvas.px[y][x][:3])
            row += bytes((b, g, r))
            if alpha:
                row.append(max(0, min(255, int(round(canvas.alpha[y][x] * 255)))))
        while len(row) % 4:
            row.append(0)
        rows.append(bytes(row))
    return b"".join(rows)


def write_bmp(path, canvas):
    pixels = to_bgr_bytes(canvas)
    header = struct.pack("<IiiHHIIiiII", 40, canvas.w, canvas.h, 1, 24, 0, len(pixels), 3780, 3780, 0, 0)
    offset = 14 + len(header)
    with open(path, "wb") as f:
        f.write(b"BM" + struct.pack("<IHHI", offset + len(pixels), 0, 0, offset))
        f.write(header)
        f.write(pixels)


class IconCanvas(Canvas):
    """Canvas with coverage, drawn onto a transparent background."""

    def __init__(self, size):
        super().__init__(size, size)
        self.alpha = [[0.0] * size for _ in range(size)]

    def blend(self, x, y, colour, alpha):
        if 0 <= x < self.w and 0 <= y < self.h and alpha > 0:
            a = min(alpha, 1.0)
            old = self.alpha[y][x]
            new = a + old * (1 - a)
            p = self.px[y][x]
            for i in range(3):
                p[i] = (colour[i] * a + p[i] * old * (1 - a)) / new
            self.alpha[y][x] = new


def draw_icon(size):
    c = IconCanvas(size)
    s = size / 32.0
    c.rounded_rect(1 * s, 1 * s, 31 * s, 31 * s, 6 * s, hexrgb("0E5A8A"))
    snowflake(c, 21 * s, 11 * s, 8 * s, max(0.6, 0.9 * s), (1, 1, 1), 0.55)
    c.rounded_rect(8 * s, 4 * s, 16 * s, 22 * s, 4 * s, (1, 1, 1))
    c.disc(12 * s, 23.5 * s, 6 * s, (1, 1, 1))
    c.rounded_rect(10.2 * s, 10 * s, 13.8 * s, 22 * s, 1.8 * s, hexrgb("E23B2E"))
    c.disc(12 * s, 23.5 * s, 4.2 * s, hexrgb("E23B2E"))
    return c


def icon_image(canvas):
    size = canvas.w
    pixels = to_bgr_bytes(canvas, alpha=True)
    mask_row = ((size + 31) // 32) * 4
    mask = bytearray()
    for y in range(size - 1, -1, -1):
        row = bytearray(mask_row)
        for x in range(size):
            if canvas.alpha[y][x] < 0.5:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(pixels) + len(mask), 0, 0, 0, 0)
    return header + pixels + bytes(mask)


def write_ico(path, sizes):
    images = [icon_image(draw_icon(s)) for s in sizes]
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for size, image in zip(sizes, images):
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    for image in images:
        out += image
    with open(path, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    write_ico(os.path.join(RES, "KELVORO.ico"), [16, 32, 48])
    write_bmp(os.path.join(RES, "splash.bmp"), draw_splash())
