#include "render/Adler32.h"

#include "render/CpuFeatures.h"

#include <zlib.h>

#include <algorithm>

#if defined(__SSE2__)
#include <tmmintrin.h>
#endif

namespace volmar {

namespace {

constexpr quint32 kBase = 65521;
// The most bytes after which the sums, started below kBase, still fit in 32 bits.
constexpr size_t kMaxRun = 5552;

#if defined(__SSE2__)

// For a run of n bytes: s1 += sum of b[k], s2 += n * s1 + sum of (n - k) * b[k].
// Per 32-byte block the weights 32..1 come from pmaddubsw; each block's byte
// sum is added again, times 32, for every block after it (`earlier`).
__attribute__((target("ssse3"))) void AddBlocks(quint32& s1, quint32& s2, const uchar* data,
                                                size_t blocks) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i onesWords = _mm_set1_epi16(1);
    const __m128i weightsHigh =
        _mm_setr_epi8(32, 31, 30, 29, 28, 27, 26, 25, 24, 23, 22, 21, 20, 19, 18, 17);
    const __m128i weightsLow = _mm_setr_epi8(16, 15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1);
    __m128i sums = zero;
    __m128i weighted = zero;
    __m128i earlier = zero;
    for (size_t i = 0; i < blocks; ++i, data += 32) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + 16));
        earlier = _mm_add_epi32(earlier, sums);
        sums = _mm_add_epi32(sums, _mm_add_epi32(_mm_sad_epu8(a, zero), _mm_sad_epu8(b, zero)));
        weighted = _mm_add_epi32(
            weighted, _mm_add_epi32(_mm_madd_epi16(_mm_maddubs_epi16(a, weightsHigh), onesWords),
                                    _mm_madd_epi16(_mm_maddubs_epi16(b, weightsLow), onesWords)));
    }
    const auto total = [](__m128i v) {
        v = _mm_add_epi32(v, _mm_shuffle_epi32(v, 0x4E));
        v = _mm_add_epi32(v, _mm_shuffle_epi32(v, 0xB1));
        return quint32(_mm_cvtsi128_si32(v));
    };
    const quint32 n = quint32(32 * blocks);
    s2 += n * s1 + 32 * total(earlier) + total(weighted);
    s1 += total(sums);
}

quint32 Adler32Ssse3(quint32 adler, const uchar* data, size_t length) {
    quint32 s1 = adler & 0xFFFF;
    quint32 s2 = adler >> 16;
    while (length >= 32) {
        const size_t blocks = std::min(length, kMaxRun) / 32;
        AddBlocks(s1, s2, data, blocks);
        data += 32 * blocks;
        length -= 32 * blocks;
        s1 %= kBase;
        s2 %= kBase;
    }
    for (size_t i = 0; i < length; ++i) {
        s1 += data[i];
        s2 += s1;
    }
    return ((s2 % kBase) << 16) | (s1 % kBase);
}

#endif

} // namespace

quint32 Adler32(quint32 adler, const uchar* data, size_t length) {
#if defined(__SSE2__)
    if (CpuHasSsse3())
        return Adler32Ssse3(adler, data, length);
#endif
    return quint32(adler32_z(adler, data, length));
}

} // namespace volmar
