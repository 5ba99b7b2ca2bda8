#pragma once

// The filters undone a byte at a time: rows of one- and two-byte pixels, and
// every row where no vector code is built.

#include "render/PngFilterTypes.h"

#include <QtGlobal>

#include <cstddef>
#include <cstdlib>

namespace volmar {

inline uchar PaethPredictor(int a, int b, int c) {
    const int pa = std::abs(b - c);
    const int pb = std::abs(a - c);
    const int pc = std::abs(a + b - 2 * c);
    if (pa <= pb && pa <= pc)
        return uchar(a);
    return uchar(pb <= pc ? b : c);
}

// The pixel on the left (and the one above it) stay in registers: reading
// them back from the row just written would put a store-to-load forwarding
// delay on every byte.
template <int Step> void SubBytes(uchar* row, size_t length) {
    uchar left[Step] = {};
    for (size_t i = 0; i + Step <= length; i += Step)
        for (int k = 0; k < Step; ++k)
            row[i + k] = left[k] = uchar(row[i + k] + left[k]);
}

inline void UpBytes(uchar* row, const uchar* above, size_t length) {
    for (size_t i = 0; i < length; ++i)
        row[i] = uchar(row[i] + above[i]);
}

template <int Step> void AverageBytes(uchar* row, const uchar* above, size_t length) {
    uint left[Step] = {};
    for (size_t i = 0; i + Step <= length; i += Step)
        for (int k = 0; k < Step; ++k) {
            left[k] = uchar(row[i + k] + ((left[k] + above[i + k]) >> 1));
            row[i + k] = uchar(left[k]);
        }
}

// Two rows of one-byte pixels under Average, the second a byte behind the
// first: its row above is the first row's result of the step before. The two
// chains from byte to byte are independent and overlap.
inline void AverageBytePairs(uchar* first, uchar* second, const uchar* above, size_t length) {
    uint a = uchar(first[0] + (above[0] >> 1)); // first[i - 1] done
    uint b = 0;                                 // second[i - 2] done
    first[0] = uchar(a);
    for (size_t i = 1; i < length; ++i) {
        const uint nextA = uchar(first[i] + ((a + above[i]) >> 1));
        const uint nextB = uchar(second[i - 1] + ((b + a) >> 1));
        first[i] = uchar(nextA);
        second[i - 1] = uchar(nextB);
        a = nextA;
        b = nextB;
    }
    second[length - 1] = uchar(second[length - 1] + ((b + a) >> 1));
}

template <int Step> void PaethBytes(uchar* row, const uchar* above, size_t length) {
    int left[Step] = {};
    int upperLeft[Step] = {};
    for (size_t i = 0; i + Step <= length; i += Step)
        for (int k = 0; k < Step; ++k) {
            const int b = above[i + k];
            left[k] = uchar(row[i + k] + PaethPredictor(left[k], b, upperLeft[k]));
            upperLeft[k] = b;
            row[i + k] = uchar(left[k]);
        }
}

// Sub, Average or Paeth on pixels of Step bytes.
template <int Step> void UnfilterBytes(int type, uchar* row, const uchar* above, size_t length) {
    switch (type) {
    case PngFilterSub:
        SubBytes<Step>(row, length);
        break;
    case PngFilterAverage:
        AverageBytes<Step>(row, above, length);
        break;
    case PngFilterPaeth:
        PaethBytes<Step>(row, above, length);
        break;
    }
}

} // namespace volmar
