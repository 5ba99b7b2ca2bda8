#pragma once

#include <QtGlobal>

// The character tables of code page 932: glibc's mapping, kept as data in
// Cp932Data.inc (made by tools/make_cp932_table.py), so every platform maps
// the same.
namespace volmar::cp932 {

// The first byte of a double-byte character.
inline bool IsLeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// A byte that may follow a lead byte.
inline bool IsTrailByte(unsigned char b) {
    return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC);
}

// The code of a BMP character (ASCII as itself): one byte (at most 0xFF) or a
// lead byte in the high half and a trail byte in the low half; 0x3F ("?")
// when CP932 cannot hold the character.
quint16 EncodeBmp(char16_t c);

// The character of a lead/trail pair; U+FFFD when the pair is not CP932.
char16_t DecodePair(unsigned char lead, unsigned char trail);

// The character of a single byte (ASCII as itself); U+FFFD when it is not
// CP932.
char16_t DecodeSingle(unsigned char b);

} // namespace volmar::cp932
