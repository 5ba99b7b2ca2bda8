#include "render/PngUnfilterSimd.h"

#if defined(VOLMAR_PNG_SSE2)

#include <smmintrin.h>

#include <cstring>

namespace volmar {

namespace {

// One pixel of Step bytes in the low lanes; loads read up to 8 bytes.
template <int Step> __attribute__((target("sse4.1"))) __m128i LoadPixel(const uchar* p) {
    if constexpr (Step <= 4) {
        int v;
        std::memcpy(&v, p, 4);
        return _mm_cvtsi32_si128(v);
    } else {
        return _mm_loadl_epi64(reinterpret_cast<const __m128i*>(p));
    }
}

template <int Step> __attribute__((target("sse4.1"))) void StorePixel(uchar* p, __m128i v) {
    if constexpr (Step <= 4) {
        const int w = _mm_cvtsi128_si32(v);
        std::memcpy(p, &w, Step);
    } else {
        const long long w = _mm_cvtsi128_si64(v);
        std::memcpy(p, &w, Step);
    }
}

// The Paeth predictor as a function of a, for fixed b and c (see PaethSetup
// in PngUnfilterSse2.cpp): a itself up to the first of three thresholds and
// past the last, b or c between them. With the thresholds and the sums x + b
// and x + c worked out ahead, each pixel waits for its left neighbour only
// through one sum, three comparisons and two levels of blends.
template <int Step>
__attribute__((target("sse4.1"))) void PaethPixels(uchar* row, const uchar* above, size_t length) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i one = _mm_set1_epi16(1);
    __m128i a = zero;
    __m128i c = zero;
    for (size_t i = 0; i + Step <= length; i += Step) {
        const __m128i b = _mm_cvtepu8_epi16(LoadPixel<Step>(above + i));
        const __m128i x = _mm_cvtepu8_epi16(LoadPixel<Step>(row + i));
        // Byte sums in 16-bit lanes: the high bytes stay 0.
        const __m128i withB = _mm_add_epi8(x, b);
        const __m128i withC = _mm_add_epi8(x, c);
        const __m128i t = _mm_sub_epi16(_mm_add_epi16(_mm_add_epi16(c, c), c), b); // 3c - b
        const __m128i u = _mm_sub_epi16(t, b);
        const __m128i bBelowC = _mm_cmpgt_epi16(c, b);
        // a > first: past the low end of the interval between b and u;
        // a > middle: in the half nearer u where b >= c, nearer u where b < c;
        // a > last: at or past its high end.
        const __m128i first = _mm_min_epi16(b, u);
        const __m128i last = _mm_sub_epi16(_mm_max_epi16(b, u), one);
        const __m128i middle = _mm_srai_epi16(_mm_sub_epi16(_mm_sub_epi16(t, one), bBelowC), 1);
        const __m128i lowHalf = _mm_blendv_epi8(withC, withB, bBelowC);
        const __m128i highHalf = _mm_blendv_epi8(withB, withC, bBelowC);

        const __m128i withA = _mm_add_epi8(x, a);
        const __m128i belowMiddle = _mm_blendv_epi8(withA, lowHalf, _mm_cmpgt_epi16(a, first));
        const __m128i aboveMiddle = _mm_blendv_epi8(highHalf, withA, _mm_cmpgt_epi16(a, last));
        a = _mm_blendv_epi8(belowMiddle, aboveMiddle, _mm_cmpgt_epi16(a, middle));
        StorePixel<Step>(row + i, _mm_packus_epi16(a, a));
        c = b;
    }
}

} // namespace

void PaethPixelsSse41(uchar* row, const uchar* above, size_t length, int step) {
    switch (step) {
    case 3:
        PaethPixels<3>(row, above, length);
        break;
    case 4:
        PaethPixels<4>(row, above, length);
        break;
    case 6:
        PaethPixels<6>(row, above, length);
        break;
    default:
        PaethPixels<8>(row, above, length);
        break;
    }
}

} // namespace volmar

#endif
