#include "render/PngUnfilterSimd.h"

#if defined(VOLMAR_PNG_SSE2)

#include <tmmintrin.h>

namespace volmar {

// One-byte Average keeps the running byte complemented in the lowest lane
// (see AveragePixels): A = avg(A, ~b) - x, two operations a byte. The bytes
// of the row and the row above are shifted down to meet it, and the results
// are shifted into place with palignr, off the chain.
__attribute__((target("ssse3"))) void AverageBytesSsse3(uchar* row, const uchar* above,
                                                        size_t length) {
    const __m128i ones = _mm_set1_epi8(-1);
    __m128i left = ones; // ~0
    size_t i = 0;
    for (; i + 16 <= length; i += 16) {
        __m128i b =
            _mm_xor_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(above + i)), ones);
        __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + i));
        __m128i out = _mm_setzero_si128();
#pragma GCC unroll 16
        for (int k = 0; k < 16; ++k) {
            left = _mm_sub_epi8(_mm_avg_epu8(left, b), x);
            out = _mm_alignr_epi8(left, out, 1);
            b = _mm_srli_si128(b, 1);
            x = _mm_srli_si128(x, 1);
        }
        _mm_storeu_si128(reinterpret_cast<__m128i*>(row + i), _mm_xor_si128(out, ones));
        // Only the lowest lane of `left` counts; the next block starts from it.
    }
    uint a = uchar(~_mm_cvtsi128_si32(left));
    for (; i < length; ++i)
        row[i] = uchar(a = uchar(row[i] + ((a + above[i]) >> 1)));
}

} // namespace volmar

#endif
