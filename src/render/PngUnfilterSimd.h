#pragma once

// The filters undone with vector instructions. Rows and the rows above have
// kUnfilterSlack readable bytes past their end.

#include <QtGlobal>

#include <cstddef>

namespace volmar {

#if defined(__SSE2__)
#define VOLMAR_PNG_SSE2 1

// Sub, Average or Paeth on whole pixels of 3, 4, 6 or 8 bytes.
void UnfilterPixelsSse2(int type, uchar* row, const uchar* above, size_t length, int step);
void UpSse2(uchar* row, const uchar* above, size_t length);
// Sub on one-byte pixels: running sums sixteen bytes at a time.
void SubBytesSse2(uchar* row, size_t length);
// Paeth on whole pixels of 3, 4, 6 or 8 bytes; needs SSE4.1 (see CpuHasSse41).
void PaethPixelsSse41(uchar* row, const uchar* above, size_t length, int step);
// Average on one-byte pixels; needs SSSE3 (see CpuHasSsse3).
void AverageBytesSsse3(uchar* row, const uchar* above, size_t length);

#endif

} // namespace volmar
