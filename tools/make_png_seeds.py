#!/usr/bin/env python3
"""Writes the seed corpus of the PNG fuzz target: small pictures of every
colour type and bit depth, with PLTE, tRNS and gAMA, Adam7 interlacing, each of
the five filters, and a few damaged files.

    tools/make_png_seeds.py [FOLDER]     (default: fuzz/seeds/png)
"""
import os
import struct
import sys
import zlib

SIGNATURE = b"\x89PNG\r\n\x1a\n"
CHANNELS = {0: 1, 2: 3, 3: 1, 4: 2, 6: 4}
ADAM7 = [(0, 0, 8, 8), (4, 0, 8, 8), (0, 4, 4, 8), (2, 0, 4, 4), (0, 2, 2, 4), (1, 0, 2, 2),
         (0, 1, 1, 2)]


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def sample(x, y, c, depth):
    return ((x * 7 + y * 13 + c * 29) * 37) % (1 << depth)


def pack_row(samples, depth):
    if depth == 8:
        return bytes(samples)
    if depth == 16:
        return b"".join(struct.pack(">H", s) for s in samples)
    row, bits, used = bytearray(), 0, 0
    for s in samples:
        bits = (bits << depth) | s
        used += depth
        if used == 8:
            row.append(bits)
            bits, used = 0, 0
    if used:
        row.append(bits << (8 - used))
    return bytes(row)


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def filter_row(kind, row, prior, bpp):
    out = bytearray([kind])
    for i, x in enumerate(row):
        a = row[i - bpp] if i >= bpp else 0
        b = prior[i] if prior else 0
        c = prior[i - bpp] if prior and i >= bpp else 0
        predictor = [0, a, b, (a + b) // 2, paeth(a, b, c)][kind]
        out.append((x - predictor) & 0xFF)
    return out


def image_rows(width, height, colour, depth, xs, ys):
    channels = CHANNELS[colour]
    return [pack_row([sample(x, y, c, depth) for x in xs for c in range(channels)], depth)
            for y in ys]


def filtered(rows, colour, depth, filters):
    bpp = max(1, CHANNELS[colour] * depth // 8)
    data, prior = bytearray(), None
    for index, row in enumerate(rows):
        data += filter_row(filters[index % len(filters)], row, prior, bpp)
        prior = row
    return data


def scanlines(width, height, colour, depth, interlaced, filters):
    if not interlaced:
        return filtered(image_rows(width, height, colour, depth, range(width), range(height)),
                        colour, depth, filters)
    data = bytearray()
    for x0, y0, dx, dy in ADAM7:
        xs, ys = range(x0, width, dx), range(y0, height, dy)
        if len(xs) and len(ys):
            data += filtered(image_rows(width, height, colour, depth, xs, ys), colour, depth,
                             filters)
    return data


def png(width, height, colour, depth, interlaced=False, filters=(0, 1, 2, 3, 4), extra=(),
        split=1):
    header = struct.pack(">IIBBBBB", width, height, depth, colour, 0, 0, int(interlaced))
    body = zlib.compress(bytes(scanlines(width, height, colour, depth, interlaced, filters)), 9)
    step = max(1, -(-len(body) // split))
    idats = b"".join(chunk(b"IDAT", body[i:i + step]) for i in range(0, len(body), step))
    return SIGNATURE + chunk(b"IHDR", header) + b"".join(extra) + idats + chunk(b"IEND", b"")


def palette(depth):
    count = 1 << depth
    return chunk(b"PLTE", bytes(v for i in range(count) for v in (i * 40 % 256, 255 - i, i * 9 % 256)))


def seeds():
    gamma = chunk(b"gAMA", struct.pack(">I", 45455))
    yield "gray1.png", png(9, 5, 0, 1)
    yield "gray2_trns.png", png(7, 3, 0, 2, extra=[chunk(b"tRNS", struct.pack(">H", 1))])
    yield "gray4.png", png(5, 6, 0, 4)
    yield "gray8_gama.png", png(8, 8, 0, 8, extra=[gamma])
    yield "gray16.png", png(4, 4, 0, 16)
    yield "rgb8.png", png(6, 5, 2, 8)
    yield "rgb16_trns.png", png(3, 3, 2, 16, extra=[chunk(b"tRNS", struct.pack(">HHH", 1, 2, 3))])
    for depth in (1, 2, 4, 8):
        yield f"palette{depth}.png", png(10, 4, 3, depth, extra=[palette(depth)])
    yield "palette8_trns.png", png(6, 6, 3, 8, extra=[palette(8), chunk(b"tRNS", bytes(range(0, 250, 10)))])
    yield "gray_alpha8.png", png(5, 5, 4, 8)
    yield "gray_alpha16.png", png(3, 2, 4, 16)
    yield "rgba8_adam7.png", png(11, 9, 6, 8, interlaced=True)
    yield "rgba16_adam7_gama.png", png(9, 10, 6, 16, interlaced=True, extra=[gamma])
    yield "palette2_adam7.png", png(13, 7, 3, 2, interlaced=True, extra=[palette(2)])
    yield "rgba8_split_idat.png", png(16, 16, 6, 8, split=5)
    yield "tiny_adam7.png", png(1, 1, 6, 8, interlaced=True)
    good = png(4, 4, 6, 8)
    yield "bad_crc.png", good[:20] + bytes([good[20] ^ 1]) + good[21:]
    yield "truncated.png", good[: len(good) // 2]
    huge = chunk(b"IHDR", struct.pack(">IIBBBBB", 65535, 65535, 8, 6, 0, 0, 0))
    yield "huge_header.png", SIGNATURE + huge + good[33:]


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else "fuzz/seeds/png"
    os.makedirs(folder, exist_ok=True)
    for name, data in seeds():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
