#pragma once

#include "render/PngColourChunks.h"
#include "render/PngGamma.h"
#include "render/PngHeader.h"

#include <QRgb>

#include <array>

namespace volmar {

// Turns unfiltered rows of a picture into opaque pixels drawn onto a
// background colour (white unless told): palette, gamma and transparency
// applied, 16-bit samples cut to their most significant byte. When told to
// keep the alpha, pixels come out as straight (not premultiplied) ARGB
// instead, a transparent key colour with alpha 0, and no background is used.
class PngRowConverter {
public:
    // Fails when an indexed picture has no palette or more alphas than entries.
    PngRowConverter(const PngHeader& header, const PngColourChunks& colours,
                    QRgb background = 0xFFFFFFFFu, bool keepAlpha = false);

    // Converts `count` pixels of `row`. Fails on a palette index beyond the palette.
    void Convert(const uchar* row, quint32 count, QRgb* out) const {
        convert_(*this, row, count, out);
    }

private:
    using ConvertFunction = void (*)(const PngRowConverter&, const uchar*, quint32, QRgb*);

    void BuildPaletteLookup(const PngColourChunks& colours);
    void BuildGreyLookup(int bitDepth, const PngColourChunks& colours);
    void ChooseSampleConverter(const PngHeader& header);

    template <int Depth> static ConvertFunction IndexedConverter(bool checked);
    template <int Depth, bool Checked>
    static void ConvertIndexed(const PngRowConverter&, const uchar*, quint32, QRgb*);
    template <int Channels, int SampleBytes>
    static void ConvertSamples(const PngRowConverter&, const uchar*, quint32, QRgb*);
    static void ConvertRgb8(const PngRowConverter&, const uchar*, quint32, QRgb*);
    static void ConvertRgba8(const PngRowConverter&, const uchar*, quint32, QRgb*);
    static void ConvertRgba16(const PngRowConverter&, const uchar*, quint32, QRgb*);

    ConvertFunction convert_ = nullptr;
    QRgb background_;
    bool keepAlpha_;
    PngGamma gamma_;
    // Indexed and low-depth grey pictures: the finished pixel of every value
    // (0 for an index beyond the palette).
    std::array<QRgb, 256> lookup_{};
    int validIndices_ = 256;
    bool hasKey_ = false;
    std::array<quint16, 3> key_{};
};

} // namespace volmar
