"""Screen images: reading binary PPM (P6) and writing PNG, standard library only."""

import struct
import zlib


class Image:
    """An 8-bit RGB image; `data` holds the rows top to bottom, 3 bytes a pixel."""

    def __init__(self, width, height, data):
        if len(data) != width * height * 3:
            raise ValueError("pixel data does not match the image size")
        self.width = width
        self.height = height
        self.data = data

    def pixel(self, x, y):
        if not (0 <= x < self.width and 0 <= y < self.height):
            return None
        i = (y * self.width + x) * 3
        return tuple(self.data[i:i + 3])

    def row(self, y, x0, x1):
        """The bytes of pixels x0..x1-1 of row y."""
        start = (y * self.width + x0) * 3
        return self.data[start:start + (x1 - x0) * 3]

    def save_png(self, path):
        raw = b"".join(b"\x00" + self.row(y, 0, self.width) for y in range(self.height))

        def chunk(kind, body):
            return (struct.pack(">I", len(body)) + kind + body
                    + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))

        header = struct.pack(">IIBBBBB", self.width, self.height, 8, 2, 0, 0, 0)
        with open(path, "wb") as out:
            out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
                      + chunk(b"IDAT", zlib.compress(raw, 6)) + chunk(b"IEND", b""))


def _header_fields(blob, count):
    """The first `count` whitespace-separated header fields and the offset after them."""
    fields = []
    pos = 0
    while len(fields) < count:
        while blob[pos:pos + 1].isspace():
            pos += 1
        if blob[pos:pos + 1] == b"#":
            pos = blob.index(b"\n", pos) + 1
            continue
        end = pos
        while not blob[end:end + 1].isspace():
            end += 1
        fields.append(blob[pos:end])
        pos = end
    return fields, pos + 1  # exactly one whitespace byte ends the header


def parse_ppm(blob):
    fields, offset = _header_fields(blob, 4)
    if fields[0] != b"P6":
        raise ValueError(f"not a binary PPM: {fields[0]!r}")
    width, height, maxval = (int(f) for f in fields[1:])
    if maxval != 255:
        raise ValueError(f"only 8-bit PPM is read, got maxval {maxval}")
    return Image(width, height, blob[offset:offset + width * height * 3])
