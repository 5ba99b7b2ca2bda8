#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <memory>

namespace volmar::test {

// libpng's reading of a PNG into RGBA8: palette and low depths expanded, tRNS
// turned into alpha, 16-bit samples cut to their high byte, grey made RGB,
// opaque pictures given an alpha byte. The yardstick of the benchmarks and
// the ground of the tests' reference picture.
struct LibpngRgba8 {
    int width = 0;
    int height = 0;
    quint32 gamma = 0; // the gAMA value, 0 without one
    // width * height * 4 bytes, allocated afresh and not cleared first, as a
    // picture of our own reader is; null when libpng refuses the file.
    std::unique_ptr<unsigned char[]> pixels;
    QString error; // libpng's message when it refuses the file
};

LibpngRgba8 ReadRgba8WithLibpng(const QByteArray& file);

} // namespace volmar::test
