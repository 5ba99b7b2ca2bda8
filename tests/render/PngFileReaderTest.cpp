#include "render/PngFileReader.h"

#include "document/VolmarError.h"
#include "render/PngMessages.h"
#include "support/PngWriter.h"

#include <QBuffer>

#include <gtest/gtest.h>

#include <memory>

using namespace volmar::test;

namespace {

constexpr qint64 kMax = 1 << 20;

QByteArray Skin() {
    return WritePng(MakePicture(16, 8, 6, 8, [](int x, int y, int c) { return uint(x * y + c); }));
}

struct Case {
    const char* what;
    QByteArray bytes;
    qint64 maxBytes;
    QByteArray expected; // "refused" for the out-of-resources message
    qint64 read;         // how far the reader went into the file
};

} // namespace

TEST(PngFileReader, ReadsToIendAndNoFurtherWithinTheBound) {
    const QByteArray png = Skin();
    const QByteArray junk(5000, '\0');
    const QByteArray notPng("GIF89a\0\0\0\0", 10);
    const Case cases[] = {
        {"junk after IEND", png + junk, kMax, png, png.size()},
        {"larger than the bound", png + junk, png.size() + 100, "refused", 0},
        {"cut short", png.first(60), kMax, png.first(60), 60},
        {"a chunk beyond the end", png.first(33) + BigEndian32(0x7FFFFFFF) + "IDATxx", kMax,
         png.first(33) + BigEndian32(0x7FFFFFFF) + "IDATxx", 43},
        {"not a PNG", notPng, kMax, notPng.first(8), 8},
    };
    for (const Case& c : cases) {
        QByteArray bytes = c.bytes;
        QBuffer file(&bytes);
        file.open(QIODevice::ReadOnly);
        QByteArray result;
        try {
            result = volmar::ReadPngBytes(file, c.maxBytes);
        } catch (const volmar::VolmarError& error) {
            EXPECT_EQ(error.message().toStdString(), png_messages::kOutOfResources) << c.what;
            result = "refused";
        }
        EXPECT_EQ(result, c.expected) << c.what;
        EXPECT_EQ(file.pos(), c.read) << c.what;
    }
}
