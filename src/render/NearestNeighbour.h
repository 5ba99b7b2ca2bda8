#pragma once

#include <QtGlobal>

namespace volmar {

// Nearest-neighbour scaling of one axis: the source index shown at destination
// offset d when sourceExtent pixels are stretched over destExtent pixels.
// Whole pixels are repeated or dropped; for a whole-number factor every source
// pixel appears the same number of times. Requires 0 <= d < destExtent.
inline qint64 NearestSource(qint64 d, qint64 destExtent, qint64 sourceExtent) {
    return d * sourceExtent / destExtent;
}

} // namespace volmar
