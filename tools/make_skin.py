#!/usr/bin/env python3
"""Writes the built-in window skin: a 192x128 RGBA PNG in the classic layout.

    tools/make_skin.py [OUT.png]     (default: src/render/SKIN.png)

Background (0,0)-(128,128): a deep-blue vertical gradient, opaque.
Frame (128,0)-(192,64): a dark bevelled border with rounded corners, lit
from the top left; outside the rounding and inside the border it is fully
transparent, so the frame's middle (144,16), the renderer's key pixel, is too.
Every border pixel is dark enough for the editor's default frame colours,
red and white, to stand out from it (a contrast ratio of at least 3:1).
Cursor (128,64)-(160,96): a translucent light rounded box.
Arrows (160,64)-(192,96): up, left, right and down, around a transparent middle.
Pause sign (160,96)-(192,128): a small downward triangle in each 16x16 quarter.
Everything else is transparent. No drawn pixel is pure white: white is the
colour the renderer keys out once transparency is flattened onto white.
"""
import math
import os
import struct
import sys
import zlib

WIDTH, HEIGHT = 192, 128
CLEAR = (0, 0, 0, 0)

GRADIENT_TOP = (48, 72, 168)
GRADIENT_BOTTOM = (8, 16, 72)

FRAME_RADIUS = 6  # of the outer edge
FRAME_BAND = 4    # pixels of border, the outermost one covering the window's margin
LIT = (40, 48, 80)
SHADED = (12, 16, 36)
INNER_LINE = (28, 36, 92)

CURSOR = (200, 220, 255)
ARROW = (236, 240, 250)


def mix(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def background(y):
    return mix(GRADIENT_TOP, GRADIENT_BOTTOM, y / 127) + (255,)


def rounded_box_depth(x, y, size, radius):
    """How far the middle of pixel (x, y) lies inside a size x size box with
    rounded corners (negative outside), and the outward direction there."""
    px, py = x + 0.5, y + 0.5
    cx = min(max(px, radius), size - radius)
    cy = min(max(py, radius), size - radius)
    if (cx, cy) != (px, py) and (px < radius or px > size - radius) and (
            py < radius or py > size - radius):
        dx, dy = px - cx, py - cy
        dist = math.hypot(dx, dy)
        return radius - dist, (dx / dist, dy / dist)
    sides = [(px, (-1, 0)), (py, (0, -1)), (size - px, (1, 0)), (size - py, (0, 1))]
    depth, normal = min(sides)
    return depth, normal


def frame(x, y):
    depth, (nx, ny) = rounded_box_depth(x, y, 64, FRAME_RADIUS)
    if depth < 0 or depth >= FRAME_BAND:
        return CLEAR
    if depth >= FRAME_BAND - 1:
        return INNER_LINE + (255,)
    light = (1 - (nx + ny) / math.sqrt(2)) / 2  # 1 facing up-left, 0 facing down-right
    colour = mix(SHADED, LIT, light)
    if depth < 0.5:  # the outermost ring, a little darker
        colour = mix(colour, SHADED, 0.35)
    return colour + (255,)


def cursor(x, y):
    depth, _ = rounded_box_depth(x, y, 32, 4)
    if depth < 0:
        return CLEAR
    return CURSOR + ((224 if depth < 1 else 96),)


def arrows(x, y):
    """Four arrow heads in the 32x32 square: up (8..24, 0..8), left (0..8,
    8..24), right (24..32, 8..24), down (8..24, 24..32)."""
    def head(along, across):  # a triangle pointing toward along == 0
        return abs(across - 7.5) <= along - 1.5 and along <= 7
    if 8 <= x < 24 and y < 8:
        on = head(y + 0.5, x - 8)
    elif 8 <= x < 24 and y >= 24:
        on = head(31.5 - y, x - 8)
    elif x < 8 and 8 <= y < 24:
        on = head(x + 0.5, y - 8)
    elif x >= 24 and 8 <= y < 24:
        on = head(31.5 - x, y - 8)
    else:
        on = False
    return ARROW + (255,) if on else CLEAR


def pause(x, y):
    x, y = x % 16, y % 16
    on = 5 <= y <= 10 and abs(x - 7.5) <= 10.5 - y
    return ARROW + (255,) if on else CLEAR


def colour_at(x, y):
    if x < 128:
        return background(y)
    if y < 64:
        return frame(x - 128, y)
    if y < 96:
        return cursor(x - 128, y - 64) if x < 160 else arrows(x - 160, y - 64)
    return pause(x - 160, y - 96) if x >= 160 else CLEAR


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def skin_png(width=WIDTH, height=HEIGHT, colour=colour_at):
    rows = bytearray()
    for y in range(height):
        rows.append(0)  # filter type None
        for x in range(width):
            rows.extend(colour(x, y))
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(bytes(rows), 9)) + chunk(b"IEND", b""))


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "src", "render", "SKIN.png")
    with open(out, "wb") as f:
        f.write(skin_png())


if __name__ == "__main__":
    main()
