#pragma once

#include "document/VolmarError.h"
#include "render/PngDecoder.h"
#include "support/LibpngReference.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace volmar::test {

// Decodes from a buffer of exactly the file's size, so that a read past its
// end is caught by the address sanitizer.
inline QImage DecodePng(const QByteArray& file) {
    const std::vector<uchar> exact(file.begin(), file.end());
    return DecodePngOntoWhite(exact.data(), exact.size());
}

// The message (UTF-8) a decoding fails with; empty when it succeeds.
inline std::string DecodeFailure(const QByteArray& file) {
    try {
        DecodePng(file);
    } catch (const VolmarError& error) {
        return error.message().toStdString();
    }
    return {};
}

// Pixel-for-pixel agreement with libpng's reading (gamma and flattening
// applied to it); names the first differing pixel.
inline ::testing::AssertionResult SameAsLibpng(const QByteArray& file) {
    const LibpngReference expected = DecodeWithLibpng(file);
    if (expected.image.isNull())
        return ::testing::AssertionFailure()
               << "libpng refuses it: " << expected.error.toStdString();
    QImage actual;
    try {
        actual = DecodePng(file);
    } catch (const VolmarError& error) {
        return ::testing::AssertionFailure()
               << "ours refuses it: " << error.message().toStdString();
    }
    if (actual.size() != expected.image.size() || actual.format() != QImage::Format_RGB32)
        return ::testing::AssertionFailure() << "size or format differs";
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x)
            if (actual.pixel(x, y) != expected.image.pixel(x, y))
                return ::testing::AssertionFailure()
                       << "pixel (" << x << "," << y << ") is " << std::hex << actual.pixel(x, y)
                       << ", libpng gives " << expected.image.pixel(x, y);
    return ::testing::AssertionSuccess();
}

} // namespace volmar::test
