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

// Rows of one-byte pixels under Average that are undone together, at most
// this many: the rows are consecutive, each the row above the next.
inline constexpr int kMaxAverageRows = 4;

// Undoes Average on `count` (2 to kMaxAverageRows) consecutive rows of
// one-byte pixels at once, several times as fast as one row after another.
void UnfilterAverageRows(uchar* const* rows, int count, const uchar* above, size_t length);

} // namespace volmar
