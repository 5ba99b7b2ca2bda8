// The public PNG conformance suite (tests/data/pngsuite): every valid file
// gives the skin image libpng's reading gives, every broken one ("x...") fails
// with its message.

#include "render/FlattenOntoWhite.h"
#include "render/PngDecoder.h"
#include "render/PngMessages.h"
#include "render/PngTestSupport.h"
#include "render/SkinLoader.h"

#include <QDir>
#include <QFile>

#include <span>

#include <gtest/gtest.h>

using namespace volmar::test;
using namespace volmar::test::png_messages;

namespace {

QDir SuiteDir() {
    return QDir(QStringLiteral(VOLMAR_SOURCE_DIR "/tests/data/pngsuite"));
}

QStringList SuiteFiles() {
    return SuiteDir().entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name);
}

std::string LoadFailure(const QString& path) {
    try {
        volmar::LoadSkin(path);
    } catch (const volmar::VolmarError& error) {
        return error.message().toStdString();
    }
    return {};
}

} // namespace

TEST(PngSuite, ValidFilesGiveTheSameSkinImageAsLibpng) {
    const QStringList files = SuiteFiles();
    int checked = 0;
    for (const QString& name : files) {
        if (name.startsWith(u'x'))
            continue;
        SCOPED_TRACE(name.toStdString());
        const QString path = SuiteDir().filePath(name);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        EXPECT_TRUE(SameAsLibpng(bytes));
        const LibpngReference reference = DecodeWithLibpng(bytes);
        EXPECT_EQ(volmar::LoadSkin(path), reference.image);
        ++checked;
    }
    EXPECT_GT(checked, 150);
}

// A background picture is drawn onto the canvas colour instead of white.
TEST(PngSuite, ValidFilesDrawnOntoAColourMatchLibpngDrawnOntoIt) {
    const QRgb background = qRgb(10, 120, 250);
    for (const QString& name : SuiteFiles()) {
        if (name.startsWith(u'x'))
            continue;
        SCOPED_TRACE(name.toStdString());
        QFile file(SuiteDir().filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        EXPECT_EQ(volmar::DecodePngOnto(reinterpret_cast<const uchar*>(bytes.constData()),
                                        size_t(bytes.size()), background),
                  DecodeWithLibpng(bytes, background).image);
    }
}

TEST(PngSuite, BrokenFilesFailWithTheirMessages) {
    const QStringList files = SuiteFiles();
    // Faults the messages name; the colour type and bit depth faults (xc, xd)
    // have no message of their own and are reported as a damaged IHDR.
    const std::pair<const char*, std::string> expected[] = {
        {"xs", kInvalidHeader}, {"xcr", kInvalidHeader}, {"xlf", kInvalidHeader},
        {"xhd", kCrc},          {"xcs", kCrc},           {"xdt", kNoData},
        {"xc1", kIhdrCorrupt},  {"xc9", kIhdrCorrupt},   {"xd", kIhdrCorrupt},
    };
    int checked = 0;
    for (const QString& name : files) {
        if (!name.startsWith(u'x'))
            continue;
        SCOPED_TRACE(name.toStdString());
        const std::string failure = LoadFailure(SuiteDir().filePath(name));
        EXPECT_FALSE(failure.empty());
        for (const auto& [prefix, message] : expected)
            if (name.startsWith(QLatin1String(prefix))) {
                EXPECT_EQ(failure, message);
                ++checked;
                break;
            }
    }
    EXPECT_EQ(checked, 14);
}

// Kept alpha drawn onto white is the flattened reading, for every valid file.
TEST(PngSuite, KeptAlphaDrawnOntoWhiteIsTheFlattenedReading) {
    for (const QString& name : SuiteFiles()) {
        if (name.startsWith(u'x'))
            continue;
        QFile file(SuiteDir().filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
        QImage kept = volmar::DecodePngWithAlpha(data, size_t(bytes.size()));
        for (QRgb& p :
             std::span(reinterpret_cast<QRgb*>(kept.bits()), size_t(kept.sizeInBytes() / 4)))
            p = volmar::FlattenPixel(uint(qRed(p)), uint(qGreen(p)), uint(qBlue(p)),
                                     uint(qAlpha(p)));
        EXPECT_EQ(kept.convertToFormat(QImage::Format_RGB32),
                  volmar::DecodePngOntoWhite(data, size_t(bytes.size())))
            << name.toStdString();
    }
}
