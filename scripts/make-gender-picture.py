#!/usr/bin/env python3
"""Draws the two gender pictures of the entry list into one 70x32 PNG.

The left 35 columns show a girl (pigtails, a bow, a dress with a collar), the right 35 columns a
boy (a cap, short hair, a shirt with a collar), both head and shoulders on plain cyan (0, 255, 255).
The list draws them opaque, so no pixel may be pure white; the lightest colour used is off-white.

Shapes are drawn back to front with 4x4 supersampling; a pixel that no shape touches keeps the
exact cyan background. Only the Python standard library is used.

    scripts/make-gender-picture.py [output.png]   (default: res/data/pictures/gender.png)
"""

import math
import os
import struct
import sys
import zlib

PANEL_W, HEIGHT = 35, 32
WIDTH = 2 * PANEL_W
SUB = 4  # samples per pixel along each axis

CYAN = (0, 255, 255)
OUTLINE = (62, 40, 32)
SKIN = (255, 212, 172)
SKIN_SHADE = (238, 186, 146)
CHEEK = (250, 160, 160)
EYE = (40, 30, 40)
EYE_LIGHT = (236, 240, 244)
MOUTH = (200, 50, 60)
OFF_WHITE = (244, 242, 236)

GIRL_HAIR = (186, 96, 34)
GIRL_HAIR_DARK = (140, 66, 22)
BOW = (232, 40, 110)
BOW_DARK = (170, 20, 80)
DRESS = (236, 88, 150)
DRESS_DARK = (190, 56, 114)

BOY_HAIR = (96, 62, 36)
CAP = (30, 90, 200)
CAP_DARK = (16, 56, 140)
SHIRT = (40, 160, 70)
SHIRT_DARK = (24, 112, 48)


# --- shapes: each is a predicate over a point (x, y) in panel pixel coordinates ----------------

def ellipse(cx, cy, rx, ry, y_min=-1e9, y_max=1e9, x_min=-1e9, x_max=1e9):
    def inside(x, y):
        if not (y_min <= y <= y_max and x_min <= x <= x_max):
            return False
        dx, dy = (x - cx) / rx, (y - cy) / ry
        return dx * dx + dy * dy <= 1.0
    return inside


def polygon(points):
    def inside(x, y):
        hit = False
        j = len(points) - 1
        for i, (xi, yi) in enumerate(points):
            xj, yj = points[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                hit = not hit
            j = i
        return hit
    return inside


def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x <= x1 and y0 <= y <= y1


def arc(cx, cy, r, width, start_deg, end_deg):
    """A stroke along a circle, angles measured clockwise from the positive x axis (y down)."""
    def inside(x, y):
        d = math.hypot(x - cx, y - cy)
        if abs(d - r) > width / 2:
            return False
        a = math.degrees(math.atan2(y - cy, x - cx)) % 360
        return start_deg <= a <= end_deg
    return inside


def outlined_ellipse(shapes, colour, cx, cy, rx, ry, line=0.9, **clip):
    shapes.append((OUTLINE, ellipse(cx, cy, rx + line, ry + line, **clip)))
    shapes.append((colour, ellipse(cx, cy, rx, ry, **clip)))


def face(shapes, cx, cy):
    """Eyes with a glint, rosy cheeks and a smile, shared by both children."""
    for ex in (cx - 3.4, cx + 3.4):
        shapes.append((EYE, ellipse(ex, cy + 0.2, 1.25, 1.7)))
        shapes.append((EYE_LIGHT, ellipse(ex + 0.45, cy - 0.5, 0.5, 0.5)))
    for chx in (cx - 5.4, cx + 5.4):
        shapes.append((CHEEK, ellipse(chx, cy + 3.0, 1.5, 1.0)))
    shapes.append((MOUTH, arc(cx, cy + 2.0, 3.0, 1.1, 25, 155)))


def girl():
    s = []
    cx, cy = 17.5, 14.5
    # Long hair falling behind the head onto the shoulders.
    outlined_ellipse(s, GIRL_HAIR, cx, 15.5, 10.2, 11.0)
    # Pigtails with a hair band each.
    for px, sign in ((5.5, -1), (29.5, 1)):
        outlined_ellipse(s, GIRL_HAIR, px, 19.5, 3.0, 5.2)
        s.append((GIRL_HAIR_DARK, ellipse(px + sign * 0.8, 21.0, 1.2, 3.0)))
        outlined_ellipse(s, BOW, px - sign * 0.6, 14.4, 1.9, 1.1, line=0.6)
    # Dress with shoulders, then the neck above it.
    outlined_ellipse(s, DRESS, cx, 34.5, 12.5, 8.5)
    s.append((DRESS_DARK, polygon([(cx - 1.2, 28.5), (cx + 1.2, 28.5), (cx + 0.6, 32), (cx - 0.6, 32)])))
    s.append((OUTLINE, rect(cx - 3.2, 20.5, cx + 3.2, 27.2)))
    s.append((SKIN_SHADE, rect(cx - 2.4, 20.5, cx + 2.4, 27.0)))
    # Round collar of the dress.
    for side in (-1, 1):
        s.append((OUTLINE, ellipse(cx + side * 2.9, 27.3, 3.4, 2.4, y_min=26.0)))
        s.append((OFF_WHITE, ellipse(cx + side * 2.9, 27.3, 2.6, 1.7, y_min=26.3)))
    # Head.
    outlined_ellipse(s, SKIN, cx, cy, 8.3, 8.8)
    # Fringe across the forehead, parted in little waves.
    s.append((OUTLINE, ellipse(cx, 10.0, 9.4, 6.6, y_max=10.6)))
    s.append((GIRL_HAIR, ellipse(cx, 10.0, 8.6, 5.9, y_max=10.0)))
    for fx in (cx - 5.0, cx - 1.7, cx + 1.7, cx + 5.0):
        s.append((GIRL_HAIR, ellipse(fx, 10.0, 1.9, 1.6)))
    s.append((GIRL_HAIR_DARK, arc(cx, 12.5, 8.0, 0.8, 215, 255)))
    face(s, cx, 14.6)
    # Big bow on top of the head, slightly to the right.
    bx, by = 24.0, 4.6
    s.append((OUTLINE, polygon([(bx - 6.2, by - 3.6), (bx, by), (bx - 6.2, by + 3.6)])))
    s.append((OUTLINE, polygon([(bx + 6.2, by - 3.6), (bx, by), (bx + 6.2, by + 3.6)])))
    s.append((BOW, polygon([(bx - 5.4, by - 2.7), (bx - 0.4, by), (bx - 5.4, by + 2.7)])))
    s.append((BOW, polygon([(bx + 5.4, by - 2.7), (bx + 0.4, by), (bx + 5.4, by + 2.7)])))
    s.append((BOW_DARK, ellipse(bx - 4.2, by, 0.8, 1.3)))
    s.append((BOW_DARK, ellipse(bx + 4.2, by, 0.8, 1.3)))
    outlined_ellipse(s, BOW, bx, by, 1.5, 1.5, line=0.7)
    return s


def boy():
    s = []
    cx, cy = 17.5, 15.5
    # Shirt with shoulders, then the neck above it.
    outlined_ellipse(s, SHIRT, cx, 34.5, 12.8, 8.3)
    s.append((SHIRT_DARK, rect(cx - 0.5, 28.6, cx + 0.5, 32)))
    s.append((OUTLINE, rect(cx - 3.2, 21.0, cx + 3.2, 27.2)))
    s.append((SKIN_SHADE, rect(cx - 2.4, 21.0, cx + 2.4, 27.0)))
    # Pointed shirt collar on both sides of the neck.
    for side in (-1, 1):
        tip = cx + side * 5.6
        s.append((OUTLINE, polygon([(cx + side * 0.2, 26.2), (cx + side * 4.6, 24.6),
                                    (tip + side * 0.8, 29.4), (cx + side * 0.4, 28.8)])))
        s.append((OFF_WHITE, polygon([(cx + side * 0.9, 26.8), (cx + side * 4.3, 25.5),
                                      (tip, 28.6), (cx + side * 1.0, 28.2)])))
    # Ears, then the head.
    for ex in (cx - 8.3, cx + 8.3):
        outlined_ellipse(s, SKIN, ex, cy + 0.5, 1.8, 2.4, line=0.8)
    outlined_ellipse(s, SKIN, cx, cy, 8.0, 8.6)
    # Short hair: sideburns and a spiky fringe under the cap.
    s.append((BOY_HAIR, ellipse(cx, 11.0, 8.7, 5.0, y_max=11.4)))
    for sx in (cx - 7.6, cx + 7.6):
        s.append((BOY_HAIR, rect(sx - 0.9, 9.0, sx + 0.9, 13.6)))
    for fx in (cx - 4.6, cx - 1.5, cx + 1.6, cx + 4.7):
        s.append((BOY_HAIR, polygon([(fx - 1.8, 10.5), (fx + 1.8, 10.5), (fx + 0.5, 13.4)])))
    face(s, cx, 16.2)
    # Baseball cap: crown, a button on top and a peak pointing to the right.
    s.append((OUTLINE, ellipse(cx, 9.6, 9.6, 7.6, y_max=9.9)))
    s.append((CAP, ellipse(cx, 9.6, 8.8, 6.8, y_max=9.2)))
    s.append((CAP_DARK, arc(cx, 9.6, 5.0, 0.8, 200, 340)))
    s.append((CAP_DARK, rect(cx - 0.4, 2.8, cx + 0.4, 9.2)))
    outlined_ellipse(s, CAP_DARK, cx, 2.6, 1.1, 0.8, line=0.6)
    s.append((OUTLINE, ellipse(cx + 7.0, 9.9, 7.8, 2.3, x_min=cx - 1.0)))
    s.append((CAP_DARK, ellipse(cx + 7.0, 9.8, 7.0, 1.6, x_min=cx - 0.4)))
    return s


def render(shapes):
    """One panel as rows of RGB tuples."""
    rows = []
    step = 1.0 / SUB
    for py in range(HEIGHT):
        row = []
        for px in range(PANEL_W):
            acc = [0, 0, 0]
            touched = False
            for sy in range(SUB):
                y = py + (sy + 0.5) * step
                for sx in range(SUB):
                    x = px + (sx + 0.5) * step
                    colour = CYAN
                    for c, inside in reversed(shapes):
                        if inside(x, y):
                            colour = c
                            touched = True
                            break
                    acc[0] += colour[0]
                    acc[1] += colour[1]
                    acc[2] += colour[2]
            n = SUB * SUB
            row.append(tuple((v + n // 2) // n for v in acc) if touched else CYAN)
        rows.append(row)
    return rows


def write_png(path, rows):
    def chunk(kind, payload):
        body = kind + payload
        return struct.pack(">I", len(payload)) + body + struct.pack(">I", zlib.crc32(body))

    raw = b"".join(b"\x00" + bytes(v for px in row for v in px) for row in rows)
    png = (b"\x89PNG\r\n\x1a\n"
           + chunk(b"IHDR", struct.pack(">IIBBBBB", len(rows[0]), len(rows), 8, 2, 0, 0, 0))
           + chunk(b"IDAT", zlib.compress(raw, 9))
           + chunk(b"IEND", b""))
    with open(path, "wb") as f:
        f.write(png)


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "res", "data", "pictures",
                                                            "gender.png")
    left, right = render(girl()), render(boy())
    rows = [l + r for l, r in zip(left, right)]
    assert len(rows) == HEIGHT and all(len(r) == WIDTH for r in rows)
    assert all(px != (255, 255, 255) for r in rows for px in r), "pure white would be masked"
    write_png(out, rows)


if __name__ == "__main__":
    main()
