#include "support/LibpngReference.h"

#include "support/LibpngRgba8.h"

#include <cmath>

namespace volmar::test {

namespace {

uint Gamma(uint s, quint32 gamma) {
    if (gamma == 0)
        return s;
    return uint(std::lround(255.0 * std::pow(s / 255.0, 1.0 / (gamma / 100000.0 * 2.2))));
}

uint Onto(uint s, uint a, int bg) {
    return (s * a + (255 - a) * uint(bg) + 255) / 256;
}

} // namespace

LibpngReference DecodeWithLibpng(const QByteArray& file, QRgb background) {
    const LibpngRgba8 raw = ReadRgba8WithLibpng(file);
    LibpngReference result;
    if (!raw.pixels) {
        result.error = raw.error;
        return result;
    }
    QImage image(raw.width, raw.height, QImage::Format_RGB32);
    const unsigned char* p = raw.pixels.get();
    for (int y = 0; y < raw.height; ++y) {
        for (int x = 0; x < raw.width; ++x, p += 4) {
            const uint a = p[3];
            image.setPixel(x, y,
                           qRgb(int(Onto(Gamma(p[0], raw.gamma), a, qRed(background))),
                                int(Onto(Gamma(p[1], raw.gamma), a, qGreen(background))),
                                int(Onto(Gamma(p[2], raw.gamma), a, qBlue(background)))));
        }
    }
    result.image = image;
    return result;
}

} // namespace volmar::test
