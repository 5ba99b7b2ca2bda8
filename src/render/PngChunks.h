#pragma once

#include <QtGlobal>

#include <cstddef>

namespace volmar {

// A chunk type as its four bytes read big-endian ('IHDR' is 0x49484452).
constexpr quint32 PngChunkType(const char (&name)[5]) {
    return (quint32(quint8(name[0])) << 24) | (quint32(quint8(name[1])) << 16) |
           (quint32(quint8(name[2])) << 8) | quint32(quint8(name[3]));
}

inline quint32 ReadBigEndian32(const uchar* p) {
    return (quint32(p[0]) << 24) | (quint32(p[1]) << 16) | (quint32(p[2]) << 8) | quint32(p[3]);
}

inline quint16 ReadBigEndian16(const uchar* p) {
    return quint16((p[0] << 8) | p[1]);
}

// Ancillary chunks have a lower-case first letter; anything else is critical.
inline bool IsAncillaryChunk(quint32 type) {
    const quint32 first = type >> 24;
    return first >= 'a' && first <= 'z';
}

struct PngChunk {
    quint32 type = 0;
    const uchar* data = nullptr;
    quint32 length = 0;
};

// Walks the chunks of a PNG held in memory. Every chunk handed out lies
// wholly inside the buffer, its CRC included; nothing is read outside it.
class PngChunkWalker {
public:
    // Checks the signature.
    PngChunkWalker(const uchar* data, size_t size);

    // The next chunk's type and data; the file ending first is an error.
    PngChunk Next();

    // Compares the chunk's CRC with the CRC-32 of its type and data.
    void VerifyCrc(const PngChunk& chunk) const;

    // Takes the next chunk only if it is an IDAT, whole and with the right
    // CRC; anything else stays for Next() to report.
    bool TakeSoundIdat(PngChunk& chunk);

private:
    bool HasSoundCrc(const PngChunk& chunk) const;

    const uchar* data_;
    size_t size_;
    size_t pos_;
};

} // namespace volmar
