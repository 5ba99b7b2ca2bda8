#include "render/PngUnfilterSimd.h"

#if defined(VOLMAR_PNG_SSE2)

#include "render/PngFilterTypes.h"

#include <emmintrin.h>

#include <cstring>

namespace volmar {

namespace {

// One pixel of Step bytes in the low lanes of a register. Loads may read up
// to 8 bytes; stores write exactly Step bytes.
template <int Step> __m128i LoadPixel(const uchar* p) {
    if constexpr (Step <= 4) {
        int v;
        std::memcpy(&v, p, 4);
        return _mm_cvtsi32_si128(v);
    } else {
        return _mm_loadl_epi64(reinterpret_cast<const __m128i*>(p));
    }
}

template <int Step> void StorePixel(uchar* p, __m128i v) {
    if constexpr (Step <= 4) {
        const int w = _mm_cvtsi128_si32(v);
        std::memcpy(p, &w, Step);
    } else {
        long long w = _mm_cvtsi128_si64(v);
        std::memcpy(p, &w, Step);
    }
}

template <int Step> void SubPixels(uchar* row, size_t length) {
    __m128i a = _mm_setzero_si128();
    for (size_t i = 0; i + Step <= length; i += Step) {
        a = _mm_add_epi8(a, LoadPixel<Step>(row + i));
        StorePixel<Step>(row + i, a);
    }
}

// Kept complemented, the running left pixel needs two operations per pixel:
// with A = ~a and B = ~b, ~floor((a + b) / 2) = ceil((A + B) / 2) = avg(A, B),
// so the next ~a is avg(A, B) - x.
template <int Step> void AveragePixels(uchar* row, const uchar* above, size_t length) {
    const __m128i ones = _mm_set1_epi8(-1);
    __m128i left = ones; // ~0
    for (size_t i = 0; i + Step <= length; i += Step) {
        const __m128i b = _mm_xor_si128(LoadPixel<Step>(above + i), ones);
        left = _mm_sub_epi8(_mm_avg_epu8(left, b), LoadPixel<Step>(row + i));
        StorePixel<Step>(row + i, _mm_xor_si128(left, ones));
    }
}

// For fixed b and c the Paeth predictor of a is a itself unless a lies
// strictly between b and u = 3c - 2b; inside that interval it is b in the
// half nearer b (ties included) and c in the other half. Everything but the
// comparisons with a is worked out ahead, off the chain that runs from one
// pixel to the next, and so are both sums x + b and x + c: only x + a and
// the choice wait for the pixel on the left. Samples are widened to 16 bits.
struct PaethSetup {
    __m128i low, high; // the interval (low, high)
    __m128i nearAbove; // b >= c: a is nearer b when a > nearAbove (else never)
    __m128i nearBelow; // b < c: a is nearer b when a < nearBelow (else never)
    __m128i withC;     // x + c, as bytes in 16-bit lanes
    __m128i withBxorC; // (x + b) ^ (x + c)

    PaethSetup(__m128i x, __m128i b, __m128i c) {
        const __m128i bytes = _mm_set1_epi16(0xFF);
        const __m128i one = _mm_set1_epi16(1);
        const __m128i t = _mm_sub_epi16(_mm_add_epi16(_mm_add_epi16(c, c), c), b); // 3c - b
        const __m128i u = _mm_sub_epi16(t, b);
        const __m128i bBelowC = _mm_cmpgt_epi16(c, b);
        low = _mm_min_epi16(b, u);
        high = _mm_max_epi16(b, u);
        // 2a >= t is a > (t - 1) >> 1; 2a <= t is a < (t >> 1) + 1. Where b < c,
        // t > 2c > 0: the first test is made impossible by 0x7FFF, and where
        // b >= c the second by 0 (a is never negative).
        nearAbove = _mm_or_si128(_mm_srai_epi16(_mm_sub_epi16(t, one), 1),
                                 _mm_and_si128(bBelowC, _mm_set1_epi16(0x7FFF)));
        nearBelow = _mm_and_si128(_mm_add_epi16(_mm_srai_epi16(t, 1), one), bBelowC);
        withC = _mm_and_si128(_mm_add_epi16(x, c), bytes);
        withBxorC = _mm_xor_si128(_mm_and_si128(_mm_add_epi16(x, b), bytes), withC);
    }

    __m128i Next(__m128i x, __m128i a) const {
        const __m128i withA = _mm_and_si128(_mm_add_epi16(x, a), _mm_set1_epi16(0xFF));
        const __m128i inside = _mm_and_si128(_mm_cmpgt_epi16(a, low), _mm_cmpgt_epi16(high, a));
        const __m128i nearB =
            _mm_or_si128(_mm_cmpgt_epi16(a, nearAbove), _mm_cmpgt_epi16(nearBelow, a));
        const __m128i inner = _mm_xor_si128(withC, _mm_and_si128(nearB, withBxorC));
        return _mm_xor_si128(withA, _mm_and_si128(inside, _mm_xor_si128(inner, withA)));
    }
};

template <int Step> void PaethPixels(uchar* row, const uchar* above, size_t length) {
    const __m128i zero = _mm_setzero_si128();
    __m128i a = zero;
    __m128i c = zero;
    for (size_t i = 0; i + Step <= length; i += Step) {
        const __m128i b = _mm_unpacklo_epi8(LoadPixel<Step>(above + i), zero);
        const __m128i x = _mm_unpacklo_epi8(LoadPixel<Step>(row + i), zero);
        a = PaethSetup(x, b, c).Next(x, a);
        StorePixel<Step>(row + i, _mm_packus_epi16(a, a));
        c = b;
    }
}

template <int Step> void UnfilterPixels(int type, uchar* row, const uchar* above, size_t length) {
    switch (type) {
    case PngFilterSub:
        SubPixels<Step>(row, length);
        break;
    case PngFilterAverage:
        AveragePixels<Step>(row, above, length);
        break;
    case PngFilterPaeth:
        PaethPixels<Step>(row, above, length);
        break;
    }
}

// The byte at the top of v in every lane.
inline __m128i BroadcastLastByte(__m128i v) {
    return _mm_shuffle_epi32(_mm_shufflehi_epi16(_mm_unpackhi_epi8(v, v), 0xFF), 0xFF);
}

} // namespace

void UnfilterPixelsSse2(int type, uchar* row, const uchar* above, size_t length, int step) {
    switch (step) {
    case 3:
        UnfilterPixels<3>(type, row, above, length);
        break;
    case 4:
        UnfilterPixels<4>(type, row, above, length);
        break;
    case 6:
        UnfilterPixels<6>(type, row, above, length);
        break;
    default:
        UnfilterPixels<8>(type, row, above, length);
        break;
    }
}

void UpSse2(uchar* row, const uchar* above, size_t length) {
    size_t i = 0;
    for (; i + 16 <= length; i += 16) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + i));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(above + i));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(row + i), _mm_add_epi8(x, b));
    }
    for (; i < length; ++i)
        row[i] = uchar(row[i] + above[i]);
}

// Each block of sixteen bytes is summed within itself in four shifted adds,
// off the chain; only adding the last sum of the block before waits for it.
void SubBytesSse2(uchar* row, size_t length) {
    __m128i carry = _mm_setzero_si128();
    size_t i = 0;
    for (; i + 16 <= length; i += 16) {
        __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + i));
        v = _mm_add_epi8(v, _mm_slli_si128(v, 1));
        v = _mm_add_epi8(v, _mm_slli_si128(v, 2));
        v = _mm_add_epi8(v, _mm_slli_si128(v, 4));
        v = _mm_add_epi8(v, _mm_slli_si128(v, 8));
        v = _mm_add_epi8(v, carry);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(row + i), v);
        carry = BroadcastLastByte(v);
    }
    uchar left = uchar(_mm_cvtsi128_si32(carry));
    for (; i < length; ++i)
        row[i] = left = uchar(row[i] + left);
}

} // namespace volmar

#endif
