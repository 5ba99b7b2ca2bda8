#include "render/PngColourChunks.h"

#include "render/PngErrors.h"

#include <cstring>

namespace volmar {

namespace {

constexpr quint32 kMaxPaletteEntries = 256;

} // namespace

void PngColourChunks::ReadPalette(const PngChunk& plte) {
    if (plte.length % 3 != 0 || plte.length / 3 > kMaxPaletteEntries)
        ThrowPngFault(PngFault::InvalidPalette);
    std::memcpy(palette.data(), plte.data, plte.length);
    paletteEntries = int(plte.length / 3);
    hasPalette = true;
}

void PngColourChunks::ReadTransparency(const PngHeader& header, const PngChunk& trns) {
    if (trns.length > kMaxPaletteEntries)
        ThrowPngFault(PngFault::InvalidPalette);
    // Only the low bits of a key sample count at depths below 16.
    const quint16 mask = quint16((1u << header.bitDepth) - 1);
    switch (header.colourType) {
    case PngPalette:
        std::memcpy(paletteAlpha.data(), trns.data, trns.length);
        paletteAlphaEntries = int(trns.length);
        break;
    case PngGrey:
        if (trns.length != 2)
            ThrowPngFault(PngFault::InvalidPalette);
        key[0] = ReadBigEndian16(trns.data) & mask;
        hasKey = true;
        break;
    case PngRgb:
        if (trns.length != 6)
            ThrowPngFault(PngFault::InvalidPalette);
        for (int i = 0; i < 3; ++i)
            key[i] = ReadBigEndian16(trns.data + 2 * i) & mask;
        hasKey = true;
        break;
    default:
        break; // pictures with an alpha channel have no use for tRNS
    }
}

void PngColourChunks::ReadGamma(const PngChunk& gama) {
    if (gama.length == 4)
        gamma = ReadBigEndian32(gama.data);
}

} // namespace volmar
