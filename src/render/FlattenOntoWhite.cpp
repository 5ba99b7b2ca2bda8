#include "render/FlattenOntoWhite.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace volmar {

#if defined(__SSE2__)
namespace {

// Four or eight 16-bit samples of one or two pixels flattened in place:
// 255 * 256 - a * (255 - s) equals s * a + (255 - a) * 255 + 255.
inline __m128i FlattenWords(__m128i words) {
    const __m128i alpha = _mm_shufflehi_epi16(_mm_shufflelo_epi16(words, 0xFF), 0xFF);
    const __m128i lack = _mm_sub_epi16(_mm_set1_epi16(255), words);
    const __m128i flat = _mm_sub_epi16(_mm_set1_epi16(short(0xFF00)), _mm_mullo_epi16(alpha, lack));
    const __m128i bgr = _mm_shufflehi_epi16(_mm_shufflelo_epi16(flat, 0xC6), 0xC6);
    return _mm_srli_epi16(bgr, 8);
}

// R and B swapped in every pixel; G and A stay.
inline __m128i RgbaToBgra(__m128i v) {
    const __m128i ga = _mm_and_si128(v, _mm_set1_epi32(int(0xFF00FF00u)));
    const __m128i rb = _mm_andnot_si128(_mm_set1_epi32(int(0xFF00FF00u)), v);
    return _mm_or_si128(ga, _mm_or_si128(_mm_slli_epi32(rb, 16), _mm_srli_epi32(rb, 16)));
}

} // namespace
#endif

void FlattenRgbaRow(const uchar* rgba, size_t count, QRgb* out) {
    size_t i = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    const __m128i opaque = _mm_set1_epi32(int(0xFF000000u));
    for (; i + 4 <= count; i += 4) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(rgba + 4 * i));
        // Four opaque pixels (the common case) only change their byte order.
        if (_mm_movemask_epi8(_mm_cmpeq_epi32(_mm_or_si128(v, _mm_srli_epi32(opaque, 8)),
                                              _mm_set1_epi32(-1))) == 0xFFFF) {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), RgbaToBgra(v));
            continue;
        }
        const __m128i lo = FlattenWords(_mm_unpacklo_epi8(v, zero));
        const __m128i hi = FlattenWords(_mm_unpackhi_epi8(v, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i),
                         _mm_or_si128(_mm_packus_epi16(lo, hi), opaque));
    }
#endif
    for (; i < count; ++i) {
        const uchar* p = rgba + 4 * i;
        out[i] = FlattenPixel(p[0], p[1], p[2], p[3]);
    }
}

} // namespace volmar
