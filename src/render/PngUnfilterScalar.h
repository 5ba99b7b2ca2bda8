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

// Rows (Count of them, one under the other) of one-byte pixels under
// Average, each a byte behind the one above: its row above is that row's
// result of the step before, still held in `left`. The chains from byte to
// byte of the rows are independent and overlap.
template <int Count> struct AverageByteRows {
    uchar* const* rows;
    const uchar* above; // the row above the first
    size_t length;
    uint left[Count] = {};

    // Row k takes byte step - k; later rows first, so that each reads the
    // byte of the row above before that row moves on.
    template <bool Guarded> void Step(size_t step) {
        for (int k = Count - 1; k >= 0; --k) {
            const size_t i = step - size_t(k);
            if (Guarded && (step < size_t(k) || i >= length))
                continue;
            const uint b = k == 0 ? above[i] : left[k - 1];
            left[k] = uchar(rows[k][i] + ((left[k] + b) >> 1));
            rows[k][i] = uchar(left[k]);
        }
    }

    void Run() {
        size_t step = 0;
        for (; step + 1 < Count && step < length; ++step)
            Step<true>(step);
        for (; step < length; ++step)
            Step<false>(step);
        for (; step < length + Count - 1; ++step)
            Step<true>(step);
    }
};

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
