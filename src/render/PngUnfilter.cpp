#include "render/PngUnfilter.h"

#include <cstdlib>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace volmar {

namespace {

enum Filter { None = 0, Sub = 1, Up = 2, Average = 3, Paeth = 4 };

uchar PaethPredictor(int a, int b, int c) {
    const int pa = std::abs(b - c);
    const int pb = std::abs(a - c);
    const int pc = std::abs(a + b - 2 * c);
    if (pa <= pb && pa <= pc)
        return uchar(a);
    return uchar(pb <= pc ? b : c);
}

void SubBytes(uchar* row, size_t length, size_t step) {
    for (size_t i = step; i < length; ++i)
        row[i] = uchar(row[i] + row[i - step]);
}

void UpBytes(uchar* row, const uchar* above, size_t length) {
    size_t i = 0;
#if defined(__SSE2__)
    for (; i + 16 <= length; i += 16) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + i));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(above + i));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(row + i), _mm_add_epi8(x, b));
    }
#endif
    for (; i < length; ++i)
        row[i] = uchar(row[i] + above[i]);
}

void AverageBytes(uchar* row, const uchar* above, size_t length, size_t step) {
    for (size_t i = 0; i < step && i < length; ++i)
        row[i] = uchar(row[i] + (above[i] >> 1));
    for (size_t i = step; i < length; ++i)
        row[i] = uchar(row[i] + ((row[i - step] + above[i]) >> 1));
}

void PaethBytes(uchar* row, const uchar* above, size_t length, size_t step) {
    for (size_t i = 0; i < step && i < length; ++i)
        row[i] = uchar(row[i] + above[i]);
    for (size_t i = step; i < length; ++i)
        row[i] = uchar(row[i] + PaethPredictor(row[i - step], above[i], above[i - step]));
}

#if defined(__SSE2__)

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

template <int Step> void AveragePixels(uchar* row, const uchar* above, size_t length) {
    const __m128i one = _mm_set1_epi8(1);
    __m128i a = _mm_setzero_si128();
    for (size_t i = 0; i + Step <= length; i += Step) {
        const __m128i b = LoadPixel<Step>(above + i);
        // _mm_avg_epu8 rounds up; the filter rounds down.
        const __m128i avg =
            _mm_sub_epi8(_mm_avg_epu8(a, b), _mm_and_si128(_mm_xor_si128(a, b), one));
        a = _mm_add_epi8(LoadPixel<Step>(row + i), avg);
        StorePixel<Step>(row + i, a);
    }
}

inline __m128i Abs16(__m128i v) {
    return _mm_max_epi16(v, _mm_sub_epi16(_mm_setzero_si128(), v));
}

inline __m128i Select(__m128i mask, __m128i yes, __m128i no) {
    return _mm_or_si128(_mm_and_si128(mask, yes), _mm_andnot_si128(mask, no));
}

// Samples widened to 16 bits so that a + b - c cannot overflow.
template <int Step> void PaethPixels(uchar* row, const uchar* above, size_t length) {
    const __m128i zero = _mm_setzero_si128();
    __m128i a = zero;
    __m128i c = zero;
    for (size_t i = 0; i + Step <= length; i += Step) {
        const __m128i b = _mm_unpacklo_epi8(LoadPixel<Step>(above + i), zero);
        const __m128i bc = _mm_sub_epi16(b, c);
        const __m128i ac = _mm_sub_epi16(a, c);
        const __m128i pa = Abs16(bc);
        const __m128i pb = Abs16(ac);
        const __m128i pc = Abs16(_mm_add_epi16(bc, ac));
        const __m128i smallest = _mm_min_epi16(pc, _mm_min_epi16(pa, pb));
        const __m128i predicted =
            Select(_mm_cmpeq_epi16(smallest, pa), a, Select(_mm_cmpeq_epi16(smallest, pb), b, c));
        const __m128i x = _mm_unpacklo_epi8(LoadPixel<Step>(row + i), zero);
        a = _mm_and_si128(_mm_add_epi16(x, predicted), _mm_set1_epi16(0xFF));
        StorePixel<Step>(row + i, _mm_packus_epi16(a, a));
        c = b;
    }
}

template <int Step> void UnfilterPixels(int type, uchar* row, const uchar* above, size_t length) {
    switch (type) {
    case Sub:
        SubPixels<Step>(row, length);
        break;
    case Average:
        AveragePixels<Step>(row, above, length);
        break;
    case Paeth:
        PaethPixels<Step>(row, above, length);
        break;
    }
}

#endif

} // namespace

bool UnfilterRow(int type, uchar* row, const uchar* above, size_t length, int step) {
    switch (type) {
    case None:
        return true;
    case Up:
        UpBytes(row, above, length);
        return true;
    case Sub:
    case Average:
    case Paeth:
        break;
    default:
        return false;
    }
#if defined(__SSE2__)
    switch (step) {
    case 3:
        UnfilterPixels<3>(type, row, above, length);
        return true;
    case 4:
        UnfilterPixels<4>(type, row, above, length);
        return true;
    case 6:
        UnfilterPixels<6>(type, row, above, length);
        return true;
    case 8:
        UnfilterPixels<8>(type, row, above, length);
        return true;
    }
#endif
    if (type == Sub)
        SubBytes(row, length, size_t(step));
    else if (type == Average)
        AverageBytes(row, above, length, size_t(step));
    else
        PaethBytes(row, above, length, size_t(step));
    return true;
}

} // namespace volmar
