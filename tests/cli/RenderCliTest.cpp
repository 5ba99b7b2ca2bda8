#include "document/FormText.h"
#include "render/CanvasPainter.h"
#include "render/Fonts.h"
#include "render/SkinLoader.h"
#include "support/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// volmar-cli render and skin, run as their own process (VOLMAR_CLI).

namespace {

struct Result {
    int Status = -1;
    QString Err;
};

class RenderCli : public ::testing::Test {
protected:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("VOLMAR_CLI"))
            GTEST_SKIP() << "VOLMAR_CLI is not set";
    }

    Result Run(const QStringList& arguments) {
        QProcess process;
        process.start(qEnvironmentVariable("VOLMAR_CLI"), arguments);
        process.waitForFinished(30000);
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromUtf8(process.readAllStandardError())};
    }

    QString Write(const QString& name, const QByteArray& bytes) {
        const QString path = Path(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    QString Path(const QString& name) const { return dir_.filePath(name); }

    // Two windows, the second partly off the canvas.
    QString Project() {
        return Write("p.rsform", "[0]\r\nName=command\r\nX=50\r\nY=60\r\nR=250\r\nB=160\r\n\r\n"
                                 "[1]\r\nName=status\r\nX=500\r\nY=400\r\nR=700\r\nB=520\r\n\r\n");
    }

    static QImage Expected(const QString& project, const volmar::EditorDisplayState& state,
                           const QImage& skin, const QImage& background = QImage()) {
        QFile file(project);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        volmar::DesignDocument document;
        for (const TWindowItem& item : volmar::ReadDefinitions(file.readAll()))
            document.Append(item);
        QImage canvas(640, 480, QImage::Format_RGB32);
        volmar::PaintCanvas(canvas, state, skin, document, volmar::WindowLabelFont(), QRect(),
                            background);
        return canvas;
    }

    static QImage Read(const QString& png) {
        return QImage(png).convertToFormat(QImage::Format_RGB32);
    }

    // A 192 by 128 skin whose pixels are all half-transparent (200,100,50),
    // except an opaque red key pixel.
    QString HalfTransparentSkin() {
        QImage skin(192, 128, QImage::Format_ARGB32);
        skin.fill(qRgba(200, 100, 50, 128));
        skin.setPixel(144, 16, qRgba(255, 0, 0, 255));
        const QString path = Path("half.png");
        EXPECT_TRUE(skin.save(path, "PNG"));
        return path;
    }

private:
    QTemporaryDir dir_;
};

TEST_F(RenderCli, RenderPaintsTheCanvasAsTheEditorDoes) {
    const QString project = Project();
    const Result result = Run({"render", project, "-o", Path("out.png")});
    ASSERT_EQ(result.Status, 0) << result.Err.toStdString();
    const QImage expected = Expected(project, {}, volmar::LoadBuiltInSkin());
    EXPECT_EQ(Read(Path("out.png")), expected);
    EXPECT_EQ(expected.pixel(0, 0), qRgb(255, 255, 255)); // a grid dot
    // The middle of command's top edge shows the skin's top edge piece.
    EXPECT_EQ(expected.pixel(150, 60), volmar::LoadBuiltInSkin().pixel(150, 0));
}

TEST_F(RenderCli, RenderTakesGridColoursAndSkinFromSettings) {
    const QString project = Project();
    const QString skin = HalfTransparentSkin();
    const QString ini = Write(
        "setting.ini", "[Setting]\r\nGridX=7\r\nGridY=0\r\nPicturePath=" + skin.toLocal8Bit() +
                           "\r\nColorFormColor=16711680\r\n"
                           "ColorGridColor=255\r\nShowGrid=1\r\n\r\n");
    ASSERT_EQ(Run({"render", project, "-o", Path("out.png"), "--settings", ini}).Status, 0);
    volmar::EditorDisplayState state;
    state.GridX = 7;            // GridY 0 keeps the default 10
    state.FormColor = 0xFF0000; // blue
    state.GridColor = 0x0000FF; // red
    const QImage out = Read(Path("out.png"));
    EXPECT_EQ(out, Expected(project, state, volmar::LoadSkin(skin)));
    EXPECT_EQ(out.pixel(637, 10), qRgb(255, 0, 0));
    EXPECT_EQ(out.pixel(100, 100), qRgb(227, 177, 152)); // flattened onto white
}

TEST_F(RenderCli, SkinOptionOverridesThePictureOfTheSettings) {
    const QString project = Project();
    const QString ini = Write(
        "setting.ini", "[Setting]\r\nPicturePath=" + Write("bad.png", "not a png").toLocal8Bit() +
                           "\r\nShowGrid=0\r\n\r\n");
    const QString skin = HalfTransparentSkin();
    ASSERT_EQ(
        Run({"render", project, "-o", Path("out.png"), "--settings", ini, "--skin", skin}).Status,
        0);
    volmar::EditorDisplayState state;
    state.GridVisible = false;
    EXPECT_EQ(Read(Path("out.png")), Expected(project, state, volmar::LoadSkin(skin)));
}

// A clean mock-up: windows over a screenshot, no names, no grid. The picture,
// half-transparent (200,100,50), is drawn onto the blue canvas colour.
TEST_F(RenderCli, RenderPutsAPictureUnderTheWindowsWithoutLabelsOrGrid) {
    const QString project = Project();
    QImage screenshot(320, 240, QImage::Format_ARGB32);
    screenshot.fill(qRgba(200, 100, 50, 128));
    const QString picture = Path("screen.png");
    ASSERT_TRUE(screenshot.save(picture, "PNG"));
    const QString ini = Write("setting.ini", "[Setting]\r\nColorFormColor=16711680\r\n\r\n");
    const Result result = Run({"render", project, "-o", Path("out.png"), "--settings", ini,
                               "--background", picture, "--no-labels", "--no-grid"});
    ASSERT_EQ(result.Status, 0) << result.Err.toStdString();
    volmar::EditorDisplayState state;
    state.FormColor = 0xFF0000;
    state.GridVisible = false;
    state.ShowWindowNames = false;
    QImage flattened(320, 240, QImage::Format_RGB32);
    flattened.fill(qRgb(100, 50, 152));
    const QImage out = Read(Path("out.png"));
    EXPECT_EQ(out, Expected(project, state, volmar::LoadBuiltInSkin(), flattened));
    EXPECT_EQ(out.pixel(0, 0), qRgb(100, 50, 152));
    EXPECT_EQ(out.pixel(320, 0), qRgb(0, 0, 255));
    EXPECT_EQ(
        Run({"render", project, "-o", Path("o.png"), "--background", Path("gone.png")}).Status, 1);
}

TEST_F(RenderCli, RenderReportsTheEditorsErrors) {
    const Result missing = Run({"render", Path("none.rsform"), "-o", Path("out.png")});
    EXPECT_EQ(missing.Status, 1);
    EXPECT_TRUE(missing.Err.startsWith(QStringLiteral("ファイル \"")));
    EXPECT_TRUE(missing.Err.contains(QStringLiteral("\" は開けません。")));

    const Result badSkin =
        Run({"render", Project(), "-o", Path("out.png"), "--skin", Write("b.png", "nonsense")});
    EXPECT_EQ(badSkin.Status, 1);
    EXPECT_EQ(badSkin.Err, QStringLiteral("The file being readed is not a valid \"Portable Network "
                                          "Graphics\" image because it contains an invalid "
                                          "header. This file may be corruped, try obtaining it "
                                          "again.\n"));
    EXPECT_FALSE(QFile::exists(Path("out.png")));

    const Result noIni =
        Run({"render", Project(), "-o", Path("out.png"), "--settings", Path("none.ini")});
    EXPECT_EQ(noIni.Status, 1);
    EXPECT_TRUE(noIni.Err.contains(QStringLiteral("none.ini\" は開けません。")));

    EXPECT_EQ(Run({"render", Project()}).Status, 2);
    EXPECT_EQ(Run({"render", Project(), "-o", Path("dir"), "--bogus", "x"}).Status, 2);
}

TEST_F(RenderCli, SkinWritesTheFlattenedSkinAsRgbPng) {
    ASSERT_EQ(Run({"skin", "-o", Path("builtin.png")}).Status, 0);
    EXPECT_EQ(Read(Path("builtin.png")), volmar::LoadBuiltInSkin());

    ASSERT_EQ(Run({"skin", HalfTransparentSkin(), "-o", Path("half-out.png")}).Status, 0);
    QFile out(Path("half-out.png"));
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    const QByteArray header = out.read(26);
    EXPECT_EQ(header.at(25), 2) << "colour type: truecolour without alpha";
    const QImage image = Read(Path("half-out.png"));
    EXPECT_EQ(image.size(), QSize(192, 128));
    EXPECT_EQ(image.pixel(0, 0), qRgb(227, 177, 152));
    EXPECT_EQ(image.pixel(144, 16), qRgb(255, 0, 0));
}

TEST_F(RenderCli, SkinReportsRefusedAndMissingFiles) {
    const Result bad = Run({"skin", Write("x.txt", "text"), "-o", Path("o.png")});
    EXPECT_EQ(bad.Status, 1);
    EXPECT_EQ(bad.Err, QStringLiteral("拡張子 .txt の画像形式は処理できません。\n"));
    const Result missing = Run({"skin", Path("gone.png"), "-o", Path("o.png")});
    EXPECT_EQ(missing.Status, 1);
    EXPECT_TRUE(missing.Err.contains(QStringLiteral("gone.png\" は開けません。")));
    EXPECT_EQ(Run({"skin", "a.png", "b.png", "-o", Path("o.png")}).Status, 2);
    EXPECT_FALSE(QFile::exists(Path("o.png")));
}

TEST_F(RenderCli, OutputCutShortLeavesTheOldPictureWhole) {
    if (!volmar::test::FileSizeLimit::Works())
        GTEST_SKIP() << volmar::test::kNoFileSizeLimit;
    const QString out = Write("out.png", "the picture of an earlier run");
    Result result;
    {
        volmar::test::FileSizeLimit limit(1024); // inherited by the program: its write fails
        result = Run({"render", Project(), "-o", out});
    }
    EXPECT_EQ(result.Status, 1);
    EXPECT_TRUE(result.Err.contains(QStringLiteral("out.png\" を作成できません。")))
        << result.Err.toStdString();
    QFile file(out);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("the picture of an earlier run"));
    EXPECT_EQ(QFileInfo(out).dir().entryList(QDir::Files).size(), 2); // out.png and p.rsform
}

} // namespace
