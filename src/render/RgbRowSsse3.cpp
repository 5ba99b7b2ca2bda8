#include "render/RgbRowSsse3.h"

#include "render/FlattenOntoWhite.h"

#if defined(__SSE2__)
#include <tmmintrin.h>
#endif

namespace volmar {

#if defined(__SSE2__)

__attribute__((target("ssse3"))) void OpaqueRgbRowSsse3(const uchar* rgb, size_t count, QRgb* out) {
    // Four pixels from twelve bytes: B, G, R of each into place, alpha 0xFF.
    const __m128i order = _mm_setr_epi8(2, 1, 0, -1, 5, 4, 3, -1, 8, 7, 6, -1, 11, 10, 9, -1);
    const __m128i opaque = _mm_set1_epi32(int(0xFF000000u));
    size_t i = 0;
    // A load takes sixteen bytes, four more than the pixels it converts.
    for (; i + 6 <= count; i += 4) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(rgb + 3 * i));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i),
                         _mm_or_si128(_mm_shuffle_epi8(v, order), opaque));
    }
    for (; i < count; ++i)
        out[i] = OpaqueRgb(rgb[3 * i], rgb[3 * i + 1], rgb[3 * i + 2]);
}

#else

void OpaqueRgbRowSsse3(const uchar* rgb, size_t count, QRgb* out) {
    for (size_t i = 0; i < count; ++i)
        out[i] = OpaqueRgb(rgb[3 * i], rgb[3 * i + 1], rgb[3 * i + 2]);
}

#endif

} // namespace volmar
