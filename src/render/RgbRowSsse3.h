#pragma once

#include <QRgb>

#include <cstddef>

namespace volmar {

// Turns `count` pixels of R, G, B bytes into opaque QRgb values with byte
// shuffles; needs SSSE3 (see CpuHasSsse3). Reads nothing past the row.
void OpaqueRgbRowSsse3(const uchar* rgb, size_t count, QRgb* out);

} // namespace volmar
