#include "render/PngRowConverter.h"

#include "render/CpuFeatures.h"
#include "render/FlattenOntoWhite.h"
#include "render/PngErrors.h"
#include "render/RgbRowSsse3.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace volmar {

namespace {

constexpr QRgb kWhite = 0xFFFFFFFFu;
constexpr quint32 kRgba16ChunkPixels = 64;

// Whether a row of Depth-bit indices holds one at or beyond `valid`.
template <int Depth> bool HasIndexBeyond(const uchar* row, quint32 count, int valid) {
    constexpr int perByte = 8 / Depth;
    constexpr uint mask = (1u << Depth) - 1;
    for (quint32 i = 0; i < count; ++i) {
        const int shift = 8 - Depth * int(i % perByte + 1);
        if (int((row[i / perByte] >> shift) & mask) >= valid)
            return true;
    }
    return false;
}

} // namespace

PngRowConverter::PngRowConverter(const PngHeader& header, const PngColourChunks& colours,
                                 QRgb background, bool keepAlpha)
    : background_(background | 0xFF000000u), keepAlpha_(keepAlpha), gamma_(colours.gamma),
      hasKey_(colours.hasKey), key_(colours.key) {
    switch (header.colourType) {
    case PngPalette:
        BuildPaletteLookup(colours);
        break;
    case PngGrey:
        if (header.bitDepth <= 8) {
            BuildGreyLookup(header.bitDepth, colours);
            break;
        }
        [[fallthrough]];
    default:
        ChooseSampleConverter(header);
        return;
    }
    const bool checked = validIndices_ < (1 << header.bitDepth);
    switch (header.bitDepth) {
    case 1:
        convert_ = IndexedConverter<1>(checked);
        break;
    case 2:
        convert_ = IndexedConverter<2>(checked);
        break;
    case 4:
        convert_ = IndexedConverter<4>(checked);
        break;
    default:
        convert_ = IndexedConverter<8>(checked);
        break;
    }
}

void PngRowConverter::BuildPaletteLookup(const PngColourChunks& colours) {
    if (!colours.hasPalette || colours.paletteAlphaEntries > colours.paletteEntries)
        ThrowPngFault(PngFault::InvalidPalette);
    for (int i = 0; i < colours.paletteEntries; ++i) {
        const uchar* c = &colours.palette[size_t(3 * i)];
        const uint alpha = i < colours.paletteAlphaEntries ? colours.paletteAlpha[size_t(i)] : 255;
        lookup_[size_t(i)] =
            keepAlpha_
                ? qRgba(gamma_(c[0]), gamma_(c[1]), gamma_(c[2]), int(alpha))
                : FlattenPixelOnto(gamma_(c[0]), gamma_(c[1]), gamma_(c[2]), alpha, background_);
    }
    validIndices_ = colours.paletteEntries;
}

void PngRowConverter::BuildGreyLookup(int bitDepth, const PngColourChunks& colours) {
    const int levels = 1 << bitDepth;
    for (int v = 0; v < levels; ++v) {
        const uint grey = gamma_(uchar(v * 255 / (levels - 1)));
        const bool transparent = colours.hasKey && colours.key[0] == v;
        const QRgb hidden = keepAlpha_ ? qRgba(int(grey), int(grey), int(grey), 0) : background_;
        lookup_[size_t(v)] = transparent ? hidden : OpaqueRgb(grey, grey, grey);
    }
}

void PngRowConverter::ChooseSampleConverter(const PngHeader& header) {
    const bool plain = gamma_.IsIdentity() && !hasKey_;
    // The fast alpha paths flatten onto white only.
    const bool plainAlpha = plain && background_ == kWhite && !keepAlpha_;
    const bool wide = header.bitDepth == 16;
    switch (header.colourType) {
    case PngGrey:
        convert_ = &ConvertSamples<1, 2>;
        break;
    case PngGreyAlpha:
        convert_ = wide ? &ConvertSamples<2, 2> : &ConvertSamples<2, 1>;
        break;
    case PngRgb:
        convert_ = wide ? &ConvertSamples<3, 2> : plain ? &ConvertRgb8 : &ConvertSamples<3, 1>;
        break;
    default:
        convert_ = !plainAlpha ? (wide ? &ConvertSamples<4, 2> : &ConvertSamples<4, 1>)
                   : wide      ? &ConvertRgba16
                               : &ConvertRgba8;
        break;
    }
}

template <int Depth>
PngRowConverter::ConvertFunction PngRowConverter::IndexedConverter(bool checked) {
    if (checked)
        return &ConvertIndexed<Depth, true>;
    return &ConvertIndexed<Depth, false>;
}

// Indices (or grey levels) of Depth bits, packed from the most significant
// bit. Entries beyond the palette are 0, whose alpha byte no real entry has:
// the AND of all pixels of the row tells whether one of them was used.
template <int Depth, bool Checked>
void PngRowConverter::ConvertIndexed(const PngRowConverter& self, const uchar* row, quint32 count,
                                     QRgb* out) {
    const QRgb* lookup = self.lookup_.data();
    QRgb all = 0xFFFFFFFFu;
    if constexpr (Depth == 8) {
        // Two pixels to a store: the loop is bound by its instruction count.
        quint64 pairs = ~quint64(0);
        quint32 i = 0;
        for (; i + 4 <= count; i += 4) {
            const quint64 first = lookup[row[i]] | quint64(lookup[row[i + 1]]) << 32;
            const quint64 second = lookup[row[i + 2]] | quint64(lookup[row[i + 3]]) << 32;
            std::memcpy(out + i, &first, sizeof first);
            std::memcpy(out + i + 2, &second, sizeof second);
            if constexpr (Checked)
                pairs &= first & second;
        }
        all = QRgb(pairs) & QRgb(pairs >> 32);
        for (; i < count; ++i) {
            out[i] = lookup[row[i]];
            if constexpr (Checked)
                all &= out[i];
        }
    } else {
        constexpr int perByte = 8 / Depth;
        constexpr uint mask = (1u << Depth) - 1;
        for (quint32 i = 0; i < count; ++i) {
            const int shift = 8 - Depth * int(i % perByte + 1);
            out[i] = lookup[(row[i / perByte] >> shift) & mask];
            if constexpr (Checked)
                all &= out[i];
        }
    }
    // Kept alphas may be 0 in real entries: then the indices themselves tell.
    if (Checked && (self.keepAlpha_ ? HasIndexBeyond<Depth>(row, count, self.validIndices_)
                                    : qAlpha(all) != 0xFF))
        ThrowPngFault(PngFault::InvalidPalette);
}

// Any layout of 8- or 16-bit samples, with gamma and key transparency.
template <int Channels, int SampleBytes>
void PngRowConverter::ConvertSamples(const PngRowConverter& self, const uchar* row, quint32 count,
                                     QRgb* out) {
    constexpr bool colour = Channels >= 3;
    constexpr bool alpha = Channels == 2 || Channels == 4;
    constexpr int pixelBytes = Channels * SampleBytes;
    const auto sample = [](const uchar* p) -> uint {
        return SampleBytes == 2 ? uint((p[0] << 8) | p[1]) : p[0];
    };
    for (quint32 i = 0; i < count; ++i) {
        const uchar* p = row + size_t(i) * pixelBytes;
        if constexpr (!alpha) {
            if (self.hasKey_ && sample(p) == self.key_[0] &&
                (!colour || (sample(p + SampleBytes) == self.key_[1] &&
                             sample(p + 2 * SampleBytes) == self.key_[2]))) {
                out[i] = self.keepAlpha_ ? 0u : self.background_;
                continue;
            }
        }
        const uint r = self.gamma_(p[0]);
        const uint g = colour ? self.gamma_(p[SampleBytes]) : r;
        const uint b = colour ? self.gamma_(p[2 * SampleBytes]) : r;
        if constexpr (alpha) {
            const uint a = p[(Channels - 1) * SampleBytes];
            out[i] = self.keepAlpha_ ? qRgba(int(r), int(g), int(b), int(a))
                                     : FlattenPixelOnto(r, g, b, a, self.background_);
        } else
            out[i] = OpaqueRgb(r, g, b);
    }
}

// 8-bit truecolour without gamma or key: a reordering of bytes.
void PngRowConverter::ConvertRgb8(const PngRowConverter&, const uchar* row, quint32 count,
                                  QRgb* out) {
    if (CpuHasSsse3()) {
        OpaqueRgbRowSsse3(row, count, out);
        return;
    }
    quint32 i = 0;
    // Four-byte loads read one byte past the pixel; the last pixel goes alone.
    for (; i + 1 < count; ++i) {
        quint32 v;
        std::memcpy(&v, row + 3 * size_t(i), 4);
        out[i] = 0xFF000000u | (__builtin_bswap32(v) >> 8);
    }
    for (; i < count; ++i) {
        const uchar* p = row + 3 * size_t(i);
        out[i] = OpaqueRgb(p[0], p[1], p[2]);
    }
}

void PngRowConverter::ConvertRgba8(const PngRowConverter&, const uchar* row, quint32 count,
                                   QRgb* out) {
    FlattenRgbaRow(row, count, out);
}

// 16-bit RGBA without gamma: keep the high bytes, then flatten.
void PngRowConverter::ConvertRgba16(const PngRowConverter&, const uchar* row, quint32 count,
                                    QRgb* out) {
    alignas(16) uchar rgba[kRgba16ChunkPixels * 4];
    while (count > 0) {
        const quint32 n = count < kRgba16ChunkPixels ? count : kRgba16ChunkPixels;
        quint32 i = 0;
#if defined(__SSE2__)
        const __m128i low = _mm_set1_epi16(0xFF);
        for (; i + 2 <= n; i += 2) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + 8 * i));
            const __m128i high = _mm_packus_epi16(_mm_and_si128(v, low), _mm_setzero_si128());
            _mm_storel_epi64(reinterpret_cast<__m128i*>(rgba + 4 * i), high);
        }
#endif
        for (; i < n; ++i)
            for (int k = 0; k < 4; ++k)
                rgba[4 * i + quint32(k)] = row[8 * i + quint32(2 * k)];
        FlattenRgbaRow(rgba, n, out);
        row += 8 * size_t(n);
        out += n;
        count -= n;
    }
}

} // namespace volmar
