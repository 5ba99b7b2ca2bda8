#include "render/PngChunks.h"

#include "render/PngErrors.h"

#include <zlib.h>

#include <cstring>

namespace volmar {

namespace {

constexpr uchar kSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
constexpr size_t kChunkFraming = 12; // length, type and CRC

} // namespace

PngChunkWalker::PngChunkWalker(const uchar* data, size_t size)
    : data_(data), size_(size), pos_(sizeof kSignature) {
    if (size < sizeof kSignature || std::memcmp(data, kSignature, sizeof kSignature) != 0)
        ThrowPngFault(PngFault::InvalidHeader);
}

PngChunk PngChunkWalker::Next() {
    const size_t left = size_ - pos_;
    if (left < kChunkFraming)
        ThrowPngFault(PngFault::UnexpectedEnd);
    PngChunk chunk;
    chunk.length = ReadBigEndian32(data_ + pos_);
    chunk.type = ReadBigEndian32(data_ + pos_ + 4);
    chunk.data = data_ + pos_ + 8;
    if (chunk.length > left - kChunkFraming)
        ThrowPngFault(PngFault::UnexpectedEnd);
    pos_ += kChunkFraming + chunk.length;
    return chunk;
}

bool PngChunkWalker::HasSoundCrc(const PngChunk& chunk) const {
    const uchar* typeBytes = chunk.data - 4;
    return crc32_z(0, typeBytes, size_t(chunk.length) + 4) ==
           ReadBigEndian32(chunk.data + chunk.length);
}

void PngChunkWalker::VerifyCrc(const PngChunk& chunk) const {
    if (!HasSoundCrc(chunk))
        ThrowPngFault(PngFault::Crc);
}

bool PngChunkWalker::TakeSoundIdat(PngChunk& chunk) {
    const size_t left = size_ - pos_;
    if (left < kChunkFraming)
        return false;
    const PngChunk next{ReadBigEndian32(data_ + pos_ + 4), data_ + pos_ + 8,
                        ReadBigEndian32(data_ + pos_)};
    if (next.type != PngChunkType("IDAT") || next.length > left - kChunkFraming ||
        !HasSoundCrc(next))
        return false;
    pos_ += kChunkFraming + next.length;
    chunk = next;
    return true;
}

} // namespace volmar
