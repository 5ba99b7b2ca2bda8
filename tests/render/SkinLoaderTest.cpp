#include "render/SkinLoader.h"
#include "render/Colors.h"
#include "render/DisplayState.h"
#include "render/PngFileReader.h"
#include "render/PngMessages.h"
#include "render/PngTestSupport.h"
#include "support/PngWriter.h"

#include <QFile>
#include <QTemporaryDir>

#include <cmath>

#include <gtest/gtest.h>

using namespace volmar::test;
using namespace volmar::test::png_messages;
using volmar::LoadSkin;

namespace {

std::string Failure(const QString& path) {
    try {
        LoadSkin(path);
    } catch (const volmar::VolmarError& error) {
        return error.message().toStdString();
    }
    return {};
}

class SkinFiles : public ::testing::Test {
protected:
    QString Write(const QString& name, const QByteArray& bytes) {
        const QString path = dir_.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    QTemporaryDir dir_;
};

// One RGBA pixel per entry of `pixels`, in a row.
QByteArray RgbaRow(const std::vector<std::array<uint, 4>>& pixels, PngOptions options = {}) {
    return WritePng(MakePicture(int(pixels.size()), 1, 6, 8,
                                [&](int x, int, int c) { return pixels[size_t(x)][size_t(c)]; }),
                    options);
}

} // namespace

TEST(BuiltInSkin, HasAGradientBackgroundAndARoundedFrameAroundATransparentMiddle) {
    const QImage skin = volmar::LoadBuiltInSkin();
    ASSERT_EQ(skin.size(), QSize(192, 128));
    EXPECT_EQ(skin.format(), QImage::Format_RGB32);
    const QRgb white = qRgb(255, 255, 255);
    // Background: each row one deep blue, darker from top to bottom.
    for (int y = 0; y < 128; ++y) {
        const QRgb row = skin.pixel(0, y);
        for (int x = 1; x < 128; ++x)
            ASSERT_EQ(skin.pixel(x, y), row) << x << "," << y;
        EXPECT_GT(qBlue(row), 2 * std::max(qRed(row), qGreen(row))) << y;
        if (y > 0) {
            EXPECT_LE(qBlue(row), qBlue(skin.pixel(0, y - 1))) << y;
        }
    }
    EXPECT_GT(qBlue(skin.pixel(0, 0)), qBlue(skin.pixel(0, 127)) + 60);
    // Frame: the key pixel and the middle are transparent, so white; the
    // outer corner pixels lie outside the rounding; the border itself is never
    // white, which the renderer would key out.
    EXPECT_EQ(skin.pixel(144, 16), white);
    EXPECT_EQ(skin.pixel(160, 32), white);
    for (const QPoint corner : {QPoint(128, 0), QPoint(191, 0), QPoint(128, 63), QPoint(191, 63)})
        EXPECT_EQ(skin.pixel(corner), white) << corner.x() << "," << corner.y();
    for (const QPoint edge : {QPoint(150, 0), QPoint(150, 1), QPoint(128, 20), QPoint(129, 20),
                              QPoint(150, 63), QPoint(191, 20)}) {
        const QRgb p = skin.pixel(edge);
        EXPECT_NE(p, white) << edge.x() << "," << edge.y();
    }
    EXPECT_GT(qGray(skin.pixel(150, 1)), qGray(skin.pixel(150, 62))) << "lit from the top";
}

// Every border pixel (all the renderer does not key out) keeps a contrast
// ratio of at least 3:1 with the default frame colours drawn over it.
TEST(BuiltInSkin, DefaultFrameColoursStandOutFromEveryBorderPixel) {
    const auto luminance = [](QRgb c) { // sRGB relative luminance, plus 0.05
        const auto lin = [](int v) {
            return v <= 10 ? v / 3294.6 : std::pow((v / 255.0 + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * lin(qRed(c)) + 0.7152 * lin(qGreen(c)) + 0.0722 * lin(qBlue(c)) + 0.05;
    };
    const QImage skin = volmar::LoadBuiltInSkin();
    const volmar::EditorDisplayState defaults;
    for (int y = 0; y < 64; ++y)
        for (int x = 128; x < 192; ++x)
            for (const quint32 frame : {defaults.HandleColor, defaults.MultiSelectColor}) {
                const double a = luminance(skin.pixel(x, y));
                const double b = luminance(volmar::RgbFromBgr(frame));
                if (skin.pixel(x, y) != skin.pixel(144, 16)) {
                    ASSERT_GE(std::max(a, b) / std::min(a, b), 3.0) << x << "," << y;
                }
            }
}

TEST(BuiltInSkin, MissingResourceHasItsMessage) {
    try {
        volmar::LoadPngResource(QStringLiteral(":/skin/NOSUCH.png"));
        FAIL();
    } catch (const volmar::VolmarError& error) {
        EXPECT_EQ(error.message().toStdString(), kNoResource);
    }
}

TEST_F(SkinFiles, EmptyOrMissingPathGivesTheBuiltInSkin) {
    const QImage builtIn = volmar::LoadBuiltInSkin();
    EXPECT_EQ(LoadSkin(QString()), builtIn);
    EXPECT_EQ(LoadSkin(dir_.filePath(QStringLiteral("gone.png"))), builtIn);
    EXPECT_EQ(LoadSkin(dir_.path()), builtIn); // a folder is not a file
}

TEST_F(SkinFiles, ExtensionChoosesTheDecoderWhateverItsCase) {
    const QByteArray png = RgbaRow({{1, 2, 3, 255}});
    EXPECT_EQ(LoadSkin(Write(QStringLiteral(u"スキン.PnG"), png)).pixel(0, 0), qRgb(1, 2, 3));
    const std::string txt = Failure(Write(QStringLiteral("skin.txt"), png));
    EXPECT_EQ(txt, "拡張子 .txt の画像形式は処理できません");
    EXPECT_EQ(volmar::StandardErrorText(QString::fromStdString(txt)).toStdString(),
              "拡張子 .txt の画像形式は処理できません.");
    EXPECT_EQ(Failure(Write(QStringLiteral("skin"), png)), "拡張子 . の画像形式は処理できません");
}

TEST_F(SkinFiles, UnreadableFileNamesThePathAndTheReason) {
    const QString path = Write(QStringLiteral("locked.png"), RgbaRow({{1, 2, 3, 255}}));
    QFile::setPermissions(path, QFileDevice::Permissions());
    QFile probe(path);
    if (probe.open(QIODevice::ReadOnly))
        GTEST_SKIP()
            << "permissions do not stop this user from reading (the superuser, or Windows)";
    EXPECT_EQ(Failure(path), QStringLiteral(u"ファイル \"%1\" は開けません。%2")
                                 .arg(path, probe.errorString())
                                 .toStdString());
}

// What follows IEND is never read; a file longer than any allowed picture
// can need is refused before anything is read.
TEST_F(SkinFiles, TrailingBytesAreLeftUnreadAndAHugeFileIsRefused) {
    const QByteArray png = RgbaRow({{1, 2, 3, 255}});
    const QString path = Write(QStringLiteral("tail.png"), png + QByteArray(4096, '\xFF'));
    EXPECT_EQ(LoadSkin(path).pixel(0, 0), qRgb(1, 2, 3));
    QFile file(path);
    ASSERT_TRUE(file.resize(volmar::kMaxPngFileBytes + 1)); // sparse: no disk space taken
    EXPECT_EQ(Failure(path), kOutOfResources);
}

TEST_F(SkinFiles, DamagedSignatureFails) {
    QByteArray png = RgbaRow({{1, 2, 3, 255}});
    png[0] = 'X';
    EXPECT_EQ(Failure(Write(QStringLiteral("bad.png"), png)), kInvalidHeader);
}

TEST_F(SkinFiles, AlphaIsFlattenedOntoWhite) {
    const QImage skin = LoadSkin(Write(
        QStringLiteral("alpha.png"),
        RgbaRow({{200, 100, 50, 128}, {200, 100, 50, 0}, {200, 100, 50, 255}, {0, 0, 0, 1}})));
    EXPECT_EQ(skin.format(), QImage::Format_RGB32);
    EXPECT_EQ(skin.pixel(0, 0), qRgb(227, 177, 152));
    EXPECT_EQ(skin.pixel(1, 0), qRgb(255, 255, 255));
    EXPECT_EQ(skin.pixel(2, 0), qRgb(200, 100, 50));
    EXPECT_EQ(skin.pixel(3, 0), qRgb(254, 254, 254));
}

TEST_F(SkinFiles, KeyColourLeavesWhiteAndOtherColoursAreCopied) {
    PngOptions options;
    options.transparency = QByteArray("\0\x0A\0\x14\0\x1E", 6);
    const QImage skin = LoadSkin(Write(
        QStringLiteral("key.png"),
        WritePng(MakePicture(2, 1, 2, 8, [](int x, int, int c) { return uint(10 * (c + 1) + x); }),
                 options)));
    EXPECT_EQ(skin.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(skin.pixel(1, 0), qRgb(11, 21, 31));
}

TEST_F(SkinFiles, AnySizeIsAccepted) {
    const QImage skin = LoadSkin(
        Write(QStringLiteral("small.png"),
              WritePng(MakePicture(64, 64, 6, 8, [](int x, int y, int) { return uint(x + y); }))));
    EXPECT_EQ(skin.size(), QSize(64, 64));
}

TEST_F(SkinFiles, GammaChangesColoursButNotAlpha) {
    PngOptions options;
    options.gamma = 100000;
    const QImage skin = LoadSkin(Write(
        QStringLiteral("gamma.png"), RgbaRow({{128, 0, 255, 255}, {128, 128, 128, 128}}, options)));
    EXPECT_EQ(skin.pixel(0, 0), qRgb(186, 0, 255));
    // 186 at alpha 128 (an alpha through the table too would give 204).
    EXPECT_EQ(skin.pixel(1, 0), qRgb(220, 220, 220));
}

TEST_F(SkinFiles, InterlacedSkinEqualsThePlainOne) {
    const PngPicture picture = MakePicture(192, 128, 6, 8, [](int x, int y, int c) {
        return uint(x * 3 + y * 5 + c * 60) ^ uint(x * y);
    });
    PngOptions interlaced;
    interlaced.interlaced = true;
    EXPECT_EQ(LoadSkin(Write(QStringLiteral("adam7.png"), WritePng(picture, interlaced))),
              LoadSkin(Write(QStringLiteral("plain.png"), WritePng(picture))));
}
