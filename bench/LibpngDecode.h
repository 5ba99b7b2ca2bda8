#pragma once

#include <QByteArray>

#include <memory>

namespace volmar::bench {

// libpng's reading of a PNG into RGBA8 (palette and low depths expanded,
// tRNS turned into alpha, 16-bit samples cut to 8, grey made RGB, opaque
// pictures given an alpha byte): the yardstick for our reader. Returns false
// null when libpng refuses the file. The pixels are allocated afresh and not
// cleared first, as a picture of our own reader is.
std::unique_ptr<unsigned char[]> DecodeWithLibpng(const QByteArray& file);

} // namespace volmar::bench
