#include "render/PngFileReader.h"

#include "document/VolmarError.h"
#include "render/PngMessages.h"
#include "support/PngWriter.h"
#include "support/StreamDevice.h"

#include <QBuffer>

#include <gtest/gtest.h>

#include <memory>

using namespace volmar::test;

namespace {

constexpr qint64 kMax = 1 << 20;

QByteArray Skin() {
    return WritePng(MakePicture(16, 8, 6, 8, [](int x, int y, int c) { return uint(x * y + c); }));
}

QByteArray WithoutIend(const QByteArray& png) {
    return png.first(png.size() - 12);
}

struct Case {
    const char* what;
    QByteArray bytes;
    bool stream;       // a pipe; otherwise a file that knows its size
    QByteArray filler; // what a stream gives without end after the bytes
    qint64 maxBytes;
    QByteArray expected; // "refused" for the out-of-resources message
    qint64 read;         // how many bytes the reader took from the device
};

} // namespace

TEST(PngFileReader, ReadsToIendAndNoFurtherWithinTheBound) {
    const QByteArray png = Skin();
    const QByteArray junk(5000, '\0');
    const QByteArray hugeChunk = PngSignature() + BigEndian32(0x7FFFFFFF) + "tEXt";
    const QByteArray emptyText = FrameChunk({"tEXt", {}});
    const Case cases[] = {
        {"file, junk after IEND", png + junk, false, {}, kMax, png, png.size()},
        {"stream, zeros after IEND", png, true, QByteArray(1, '\0'), kMax, png, png.size()},
        {"file larger than the bound", png + junk, false, {}, png.size() + 100, "refused", 0},
        {"stream, a chunk beyond the bound", hugeChunk, true, "x", kMax, "refused", 16},
        {"stream, chunks without end", WithoutIend(png), true, emptyText, kMax, "refused", -1},
        {"file cut short", png.first(60), false, {}, kMax, png.first(60), 60},
        {"not a PNG", QByteArray("GIF89a\0\0\0\0", 10), true, "x", kMax,
         QByteArray("GIF89a\0\0", 8), 8},
    };
    for (const Case& c : cases) {
        QByteArray fileBytes = c.bytes;
        QBuffer file(&fileBytes);
        file.open(QIODevice::ReadOnly);
        StreamDevice stream(c.bytes, c.filler);
        QIODevice& device = c.stream ? static_cast<QIODevice&>(stream) : file;
        QByteArray result;
        try {
            result = volmar::ReadPngBytes(device, c.maxBytes);
        } catch (const volmar::VolmarError& error) {
            EXPECT_EQ(error.message().toStdString(), png_messages::kOutOfResources) << c.what;
            result = "refused";
        }
        EXPECT_EQ(result, c.expected) << c.what;
        const qint64 read = c.stream ? stream.Given() : file.pos();
        if (c.read >= 0) {
            EXPECT_EQ(read, c.read) << c.what;
        }
        EXPECT_LE(read, c.maxBytes) << c.what;
    }
}
