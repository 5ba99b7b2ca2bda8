#!/usr/bin/env python3
"""Writes the built-in skin's twin: a 128x128 RGBA PNG in the later runtimes' layout.

    tools/make_skin_rgss2.py [OUT.png]     (default: src/render/SKIN2.png)

It has the colours of tools/make_skin.py, laid out as RGSS2 and RGSS3 read a skin:
Background (0,0)-(64,64): the deep-blue vertical gradient, translucent; it is
stretched over the window 2 pixels inside its edges.
Pattern (0,64)-(64,128): faint light diagonal lines 16 pixels apart, mostly
transparent; it is tiled over the background.
Frame (64,0)-(128,64): a dark bevelled border with rounded corners in the 16x16
corners, and sides that are tiled: each 32-pixel side carries one light stud in
its middle, so the tiling shows. The middle of the frame holds the four
scroll arrows around a transparent centre.
Cursor (64,64)-(96,96): a translucent light rounded box.
Pause sign (96,64)-(128,96): four 16x16 frames of a downward triangle that
moves down by one pixel each frame.
Text colours (64,96)-(128,128): 32 squares of 8x8, eight to a row.
"""
import os
import sys

import make_skin as classic

WIDTH, HEIGHT = 128, 128
CLEAR = classic.CLEAR
BACK_ALPHA = 192
PATTERN = (160, 184, 255, 48)
STUD = (120, 140, 200, 255)

TEXT_COLOURS = [
    (255, 255, 255), (32, 160, 214), (255, 120, 76), (102, 204, 64),
    (153, 204, 255), (204, 192, 255), (255, 255, 160), (128, 128, 128),
    (192, 192, 192), (32, 128, 204), (255, 56, 16), (0, 160, 16),
    (62, 154, 222), (160, 152, 255), (255, 204, 32), (0, 0, 0),
    (132, 170, 255), (255, 255, 64), (255, 32, 32), (32, 32, 64),
    (224, 128, 64), (240, 192, 64), (64, 128, 192), (64, 192, 240),
    (128, 255, 128), (192, 128, 128), (128, 128, 255), (255, 128, 255),
    (0, 160, 64), (0, 224, 96), (160, 96, 224), (192, 128, 255),
]


def background(y):
    colour = classic.mix(classic.GRADIENT_TOP, classic.GRADIENT_BOTTOM, y / 63)
    return colour + (BACK_ALPHA,)


def pattern(x, y):
    return PATTERN if (x + y) % 16 == 0 else CLEAR


def stud(x, y):
    """A 4x4 stud in the middle of a 32-pixel side segment, within the band."""
    if 16 <= y < 48 and (x < 16 or x >= 48):   # left and right sides
        along, across = y - 16, x if x < 16 else 63 - x
    elif 16 <= x < 48 and (y < 16 or y >= 48):  # top and bottom sides
        along, across = x - 16, y if y < 16 else 63 - y
    else:
        return False
    return 14 <= along < 18 and across < classic.FRAME_BAND - 1


def frame(x, y):
    if 16 <= x < 48 and 16 <= y < 48:
        return classic.arrows(x - 16, y - 16)
    if stud(x, y):
        return STUD
    return classic.frame(x, y)


def pause(x, y):
    step = (y // 16) * 2 + x // 16  # frames left to right, top to bottom
    return classic.pause(x, (y % 16) - step)


def text_colour(x, y):
    return TEXT_COLOURS[(y // 8) * 8 + x // 8] + (255,)


def colour_at(x, y):
    if x < 64:
        return background(y) if y < 64 else pattern(x, y - 64)
    if y < 64:
        return frame(x - 64, y)
    if y < 96:
        return classic.cursor(x - 64, y - 64) if x < 96 else pause(x - 96, y - 64)
    return text_colour(x - 64, y - 96)


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "src", "render", "SKIN2.png")
    with open(out, "wb") as f:
        f.write(classic.skin_png(WIDTH, HEIGHT, colour_at))


if __name__ == "__main__":
    main()
