#pragma once

#include "render/PngChunks.h"

#include <array>
#include <cstddef>

namespace volmar {

enum PngColourType : int {
    PngGrey = 0,
    PngRgb = 2,
    PngPalette = 3,
    PngGreyAlpha = 4,
    PngRgba = 6,
};

// The picture described by IHDR.
struct PngHeader {
    quint32 width = 0;
    quint32 height = 0;
    int bitDepth = 0;
    int colourType = 0;
    bool interlaced = false;

    int Channels() const;
    int BitsPerPixel() const { return Channels() * bitDepth; }
    // The distance in bytes to the pixel a filter looks back at (at least 1).
    int FilterStep() const { return BitsPerPixel() < 8 ? 1 : BitsPerPixel() / 8; }
    // Bytes of one row of `pixels` pixels, without its filter byte.
    size_t RowBytes(quint32 pixels) const { return (size_t(pixels) * BitsPerPixel() + 7) / 8; }
};

// Reads and checks IHDR (the CRC is checked by the caller).
PngHeader ParsePngHeader(const PngChunk& ihdr);

// One sub-image of the stored picture: every dx-th pixel from x0 of every
// dy-th row from y0. A picture without interlace is one pass of all pixels.
struct PngPass {
    quint32 x0 = 0, y0 = 0, dx = 1, dy = 1;
    quint32 width = 0, height = 0;

    bool IsEmpty() const { return width == 0 || height == 0; }
};

struct PngPasses {
    std::array<PngPass, 7> pass{};
    int count = 0;
};

// The passes in stream order (Adam7's seven, or the one of a plain picture).
PngPasses PngPassesOf(const PngHeader& header);

} // namespace volmar
