#pragma once

#include <QtGlobal>

#include <cstddef>

namespace volmar {

// Bytes that must be readable (not written) past the end of every row and of
// the row above handed to UnfilterRow.
inline constexpr size_t kUnfilterSlack = 16;

// Undoes the filter of one row in place: `type` is the row's filter byte,
// `above` the row above it already unfiltered (zeros for the first row of a
// pass), `length` the row's bytes without the filter byte and `step` the
// distance in bytes to the pixel on the left. Returns false for a filter type
// other than 0 to 4.
bool UnfilterRow(int type, uchar* row, const uchar* above, size_t length, int step);

// Undoes Average on two consecutive rows of one-byte pixels at once (the row
// above `second` is `first`): twice as fast as one row after the other.
void UnfilterAverageRowPair(uchar* first, uchar* second, const uchar* above, size_t length);

} // namespace volmar
