#!/usr/bin/env python3
"""Writes a Windows icon file holding the given square PNG pictures unchanged:
make_ico.py OUT.ico IN.png...  (each picture at most 256 pixels wide)."""
import struct
import sys


def png_size(data):
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        raise ValueError("not a PNG file")
    return struct.unpack(">II", data[16:24])


def main(out, inputs):
    pictures = [open(path, "rb").read() for path in inputs]
    header = struct.pack("<HHH", 0, 1, len(pictures))
    offset = len(header) + 16 * len(pictures)
    entries = b""
    for data in pictures:
        width, height = png_size(data)
        if width > 256 or height > 256:
            raise ValueError("a picture is wider or higher than 256 pixels")
        # 256 is written as 0; 32 bits per pixel, no palette.
        entries += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(out, "wb") as f:
        f.write(header + entries + b"".join(pictures))


if __name__ == "__main__":
    if len(sys.argv) < 3:
        sys.exit("usage: make_ico.py OUT.ico IN.png...")
    main(sys.argv[1], sys.argv[2:])
