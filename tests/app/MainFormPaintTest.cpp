#include "app/MainFormFixture.h"
#include "app/PaintBox.h"
#include "render/SkinLoader.h"

#include <QAction>
#include <QFile>
#include <QTemporaryDir>

namespace volmar::test {
namespace {

class PaintTest : public MainFormTest {
protected:
    QRgb CanvasPixel(int x, int y) {
        form->WindowEditor->repaint();
        return form->WindowEditor->Buffer().pixel(x, y) & 0xFFFFFF;
    }

    QImage Ruler(PaintBox* ruler) {
        ruler->repaint();
        return ruler->Buffer();
    }

    // Places the pointer at a canvas point, as the rulers read it.
    void PointAt(int x, int y) {
        const QPoint global = form->WindowEditor->mapToGlobal(QPoint(x, y));
        form->setPointerPositionSource([global] { return global; });
    }

    QTemporaryDir dir;
};

constexpr QRgb kBlack = 0x000000;
constexpr QRgb kWhite = 0xFFFFFF;
// The outermost row of the built-in skin's top edge piece.
QRgb SkinEdge() {
    return volmar::LoadBuiltInSkin().pixel(150, 0) & 0xFFFFFF;
}
constexpr QRgb kBlue = 0x0000FF;
constexpr QRgb kRed = 0xFF0000;

TEST_F(PaintTest, CanvasShowsBackgroundGridAndWindows) {
    EXPECT_EQ(CanvasPixel(0, 0), kWhite);
    EXPECT_EQ(CanvasPixel(630, 470), kWhite);
    EXPECT_EQ(CanvasPixel(5, 5), kBlack);

    Add(QStringLiteral("a"), 100, 50, 300, 150);
    EXPECT_EQ(CanvasPixel(200, 50), SkinEdge());
    EXPECT_EQ(CanvasPixel(101, 50), kWhite) << "outside the rounded corner: the white margin";

    form->setCanvasColor(0x0000FF); // red, 0x00BBGGRR
    form->aacViewGridLine->trigger();
    EXPECT_EQ(CanvasPixel(0, 0), kRed);
    EXPECT_EQ(CanvasPixel(200, 50), SkinEdge());
}

TEST_F(PaintTest, RulersShowThePointerAndTheSelectedWindow) {
    TWindowItem* item = Add(QStringLiteral("a"), 100, 50, 300, 150);
    PointAt(222, 333);
    QImage x = Ruler(form->rulerXPaint);
    QImage y = Ruler(form->rulerYPaint);
    EXPECT_EQ(x.pixel(222, 5) & 0xFFFFFF, kBlue);
    EXPECT_EQ(y.pixel(5, 333) & 0xFFFFFF, kBlue);
    EXPECT_NE(x.pixel(100, 5) & 0xFFFFFF, kRed);

    Select({item});
    x = Ruler(form->rulerXPaint);
    y = Ruler(form->rulerYPaint);
    EXPECT_EQ(x.pixel(100, 5) & 0xFFFFFF, kRed);
    EXPECT_EQ(x.pixel(300, 5) & 0xFFFFFF, kRed);
    EXPECT_EQ(y.pixel(5, 50) & 0xFFFFFF, kRed);
    EXPECT_EQ(y.pixel(5, 150) & 0xFFFFFF, kRed);
}

TEST_F(PaintTest, SkinChangeLoadsThePickedFile) {
    const qint64 builtIn = form->skinImage().cacheKey();
    EXPECT_EQ(form->skinImage().size(), QSize(192, 128));

    // Cancel changes nothing.
    form->aacSkinChange->trigger();
    EXPECT_EQ(form->skinImage().cacheKey(), builtIn);

    const QString small = dir.filePath(QStringLiteral("small.png"));
    QImage picture(64, 64, QImage::Format_RGB32);
    picture.fill(Qt::green);
    ASSERT_TRUE(picture.save(small));
    dialogs.picturePaths = {small};
    form->aacSkinChange->trigger();
    EXPECT_EQ(form->skinImage().size(), QSize(64, 64));

    // A name that names no file gives the built-in skin, without a message.
    dialogs.picturePaths = {dir.filePath(QStringLiteral("missing.png"))};
    form->aacSkinChange->trigger();
    EXPECT_EQ(form->skinImage().size(), QSize(192, 128));
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(PaintTest, FailedSkinLoadLeavesNoSkinAndShowsTheError) {
    const QString text = dir.filePath(QStringLiteral("skin.txt"));
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a picture");
    file.close();

    Add(QStringLiteral("a"), 100, 50, 300, 150);
    dialogs.picturePaths = {text};
    form->aacSkinChange->trigger();
    EXPECT_EQ(dialogs.errors,
              QStringList{QStringLiteral("拡張子 .txt の画像形式は処理できません")});
    EXPECT_TRUE(form->skinImage().isNull());
    CanvasPixel(100, 50); // painting without a skin must not fail
}

} // namespace
} // namespace volmar::test
