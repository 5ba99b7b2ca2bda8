#pragma once

#include "render/PngChunks.h"
#include "render/PngHeader.h"

#include <array>

namespace volmar {

// What PLTE, tRNS and gAMA say about the colours of a picture.
struct PngColourChunks {
    std::array<uchar, 256 * 3> palette{};
    int paletteEntries = 0;
    bool hasPalette = false;

    // tRNS of an indexed picture: the alpha of the first entries.
    std::array<uchar, 256> paletteAlpha{};
    int paletteAlphaEntries = 0;

    // tRNS of a greyscale or truecolour picture: the one transparent colour
    // (grey in key[0]), samples at the picture's bit depth.
    bool hasKey = false;
    std::array<quint16, 3> key{};

    quint32 gamma = 0; // 0: no correction

    void ReadPalette(const PngChunk& plte);
    void ReadTransparency(const PngHeader& header, const PngChunk& trns);
    void ReadGamma(const PngChunk& gama);
};

} // namespace volmar
