#!/usr/bin/env python3
"""Writes VOLMAR's code page 932 tables, taken from glibc's iconv.

    tools/make_cp932_table.py [OUT.inc]     (default: src/document/Cp932Data.inc)

Run by hand on Linux with glibc; the output is kept in the repository, so the
program maps code page 932 the same everywhere, with or without glibc.
Python's own 'cp932' codec is Microsoft's mapping and differs from glibc's;
this script asks glibc's iconv through ctypes instead.

What it writes:
- kSingleBytes: the character of every byte 0x80-0xFF on its own.
- kPairs: the character of every lead byte (0x81-0x9F, 0xE0-0xFC) followed by
  every byte 0x40-0xFF, one row of 192 per lead byte.
- kLeadsByPreference: the lead bytes in the order the encoder searches them
  when a character has several codes; the first code found is the one used.
- kEncodeOnly: the characters whose code under that search is not glibc's
  code (they have a code that reads back as a different character).
Anything CP932 does not hold is U+FFFD in the decode tables.
"""
import ctypes
import ctypes.util
import os
import sys

NONE = 0xFFFD
LEADS = list(range(0x81, 0xA0)) + list(range(0xE0, 0xFD))
TRAILS = range(0x40, 0x100)
# JIS X 0208 first, then NEC's row 13, then IBM's extensions, and NEC's copies
# of IBM's extensions last.
PREFERENCE = (
    [l for l in LEADS if l != 0x87 and not 0xED <= l <= 0xEE and l < 0xFA]
    + [0x87] + [0xFA, 0xFB, 0xFC] + [0xED, 0xEE])


class Iconv:
    def __init__(self, to, frm):
        self.libc = ctypes.CDLL(ctypes.util.find_library("c"))
        self.libc.iconv_open.restype = ctypes.c_void_p
        self.libc.iconv_open.argtypes = [ctypes.c_char_p, ctypes.c_char_p]
        self.libc.iconv.restype = ctypes.c_size_t
        pp = ctypes.POINTER(ctypes.c_char_p)
        sp = ctypes.POINTER(ctypes.c_size_t)
        self.libc.iconv.argtypes = [ctypes.c_void_p, pp, sp, pp, sp]
        self.cd = self.libc.iconv_open(to.encode(), frm.encode())
        if self.cd in (None, ctypes.c_void_p(-1).value):
            sys.exit(f"iconv cannot convert from {frm} to {to}")

    def __call__(self, data):
        """The converted bytes, or None unless all of data converts."""
        inbuf = ctypes.create_string_buffer(data, len(data))
        outbuf = ctypes.create_string_buffer(8)
        inp = ctypes.c_char_p(ctypes.addressof(inbuf))
        outp = ctypes.c_char_p(ctypes.addressof(outbuf))
        inleft = ctypes.c_size_t(len(data))
        outleft = ctypes.c_size_t(8)
        result = self.libc.iconv(self.cd, ctypes.byref(inp), ctypes.byref(inleft),
                                 ctypes.byref(outp), ctypes.byref(outleft))
        self.libc.iconv(self.cd, None, None, None, None)
        if result == ctypes.c_size_t(-1).value or inleft.value:
            return None
        return outbuf.raw[:8 - outleft.value]


def decode(iconv, data):
    out = iconv(data)
    if out is None or len(out) != 2:
        return NONE
    c = int.from_bytes(out, "little")
    assert c != NONE and not 0xD800 <= c <= 0xDFFF, hex(c)
    return c


def encode(iconv, c):
    out = iconv(c.to_bytes(2, "little"))
    if out is None:
        return None
    assert 1 <= len(out) <= 2, (hex(c), out)
    return int.from_bytes(out, "big")


def literal(chars):
    def one(c):
        printable = c > 0xA0 and c != 0x3000 and c != NONE and not 0xE000 <= c <= 0xF8FF
        return chr(c) if printable else f"\\u{c:04X}"
    return 'u"' + "".join(one(c) for c in chars) + '"'


def main():
    out_path = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(__file__), "..", "src", "document", "Cp932Data.inc")
    to_utf16 = Iconv("UTF-16LE", "CP932")
    to_cp932 = Iconv("CP932", "UTF-16LE")

    singles = [decode(to_utf16, bytes([b])) for b in range(0x80, 0x100)]
    pairs = {(l, t): decode(to_utf16, bytes([l, t])) for l in LEADS for t in TRAILS}
    # Everything the tables leave out really is outside CP932.
    for l in range(0x100):
        for t in range(0x100):
            if (l, t) not in pairs:
                assert decode(to_utf16, bytes([l, t])) == NONE, (l, t)
    for b in range(0x80):
        assert decode(to_utf16, bytes([b])) == b and encode(to_cp932, b) == b

    searched = {}
    for b, c in zip(range(0x80, 0x100), singles):
        searched.setdefault(c, b)
    for l in PREFERENCE:
        for t in TRAILS:
            searched.setdefault(pairs[(l, t)], (l << 8) | t)
    searched.pop(NONE, None)
    encode_only = []
    for c in range(0x80, 0x10000):
        code = encode(to_cp932, c)
        if code != searched.get(c):
            assert code is not None, hex(c)
            encode_only.append((c, code))

    lines = [
        "// Code page 932 as glibc's iconv maps it, written by tools/make_cp932_table.py;",
        "// do not edit. U+FFFD marks bytes that are not CP932.",
        "// clang-format off",
        "",
        "// Bytes 0x80-0xFF on their own.",
        "constexpr char16_t kSingleBytes[] =",
    ]
    for i in range(0, 128, 16):
        lines.append(f"    /* {0x80 + i:02X} */ " + literal(singles[i:i + 16]))
    lines[-1] += ";"
    lines += ["", "// Each lead byte followed by 0x40-0xFF.", "constexpr char16_t kPairs[] ="]
    for l in LEADS:
        for t in range(0x40, 0x100, 16):
            lines.append(f"    /* {l:02X}{t:02X} */ " +
                         literal(pairs[(l, u)] for u in range(t, t + 16)))
    lines[-1] += ";"
    lines += ["", "// Where a character has several codes, the first of these lead bytes wins.",
              "constexpr unsigned char kLeadsByPreference[] = {"]
    for i in range(0, len(PREFERENCE), 12):
        lines.append("    " + " ".join(f"0x{l:02X}," for l in PREFERENCE[i:i + 12]))
    lines += ["};", "",
              "// Characters encoded to a code that reads back as another character.",
              "constexpr EncodeOnly kEncodeOnly[] = {"]
    for c, code in encode_only:
        lines.append(f"    {{0x{c:04X}, 0x{code:X}}},")
    lines += ["};", "", "// clang-format on", ""]
    with open(out_path, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(lines))


if __name__ == "__main__":
    main()
