#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace volmar::test {

// libpng's reading of a PNG, taken as the reference: its RGBA8 output (16-bit
// samples cut to the high byte, tRNS turned into alpha), then the gAMA rule
// applied to the colour samples and the result drawn onto white, as the skin
// image is made, or onto another opaque background. A null image and `error`
// set when libpng refuses the file.
struct LibpngReference {
    QImage image;
    QString error;
};

LibpngReference DecodeWithLibpng(const QByteArray& file, QRgb background = 0xFFFFFFFFu);

} // namespace volmar::test
