#!/usr/bin/env python3
"""Writes the built-in window skin: a 192x128 RGBA PNG, every pixel opaque.

    tools/make_skin.py [OUT.png]     (default: src/render/SKIN.png)

Background area (0,0)-(128,128): (128,0,128). Frame area (128,0)-(192,64):
white inside a 5-pixel border of (111,175,255). The rest is white.
"""
import os
import struct
import sys
import zlib

WIDTH, HEIGHT = 192, 128
BACKGROUND = (128, 0, 128)
BORDER = (111, 175, 255)
WHITE = (255, 255, 255)


def colour_at(x, y):
    if x < 128:
        return BACKGROUND
    if y < 64:
        on_border = x <= 132 or x >= 187 or y <= 4 or y >= 59
        return BORDER if on_border else WHITE
    return WHITE


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def skin_png():
    rows = bytearray()
    for y in range(HEIGHT):
        rows.append(0)  # filter type None
        for x in range(WIDTH):
            rows.extend(colour_at(x, y))
            rows.append(255)
    header = struct.pack(">IIBBBBB", WIDTH, HEIGHT, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(bytes(rows), 9)) + chunk(b"IEND", b""))


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "src", "render", "SKIN.png")
    with open(out, "wb") as f:
        f.write(skin_png())


if __name__ == "__main__":
    main()
