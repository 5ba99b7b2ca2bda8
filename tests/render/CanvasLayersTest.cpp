// The optional layers of the canvas: the background picture, the contents
// areas and the window names.
#include "TestSkins.h"
#include "render/CanvasPainter.h"
#include "render/ContentsOverlay.h"
#include "render/Fonts.h"
#include "render/SkinRenderer.h"

#include <gtest/gtest.h>

namespace {

QImage Window(int width, int height, volmar::WindowLook look) {
    QImage canvas(640, 480, QImage::Format_RGB32);
    canvas.fill(testskins::kBlack);
    TWindowItem item;
    item.Name = QStringLiteral("w");
    item.Right = width;
    item.Bottom = height;
    volmar::DrawWindow(canvas, testskins::FlatSkin(), item, volmar::WindowLabelFont(), QRect(),
                       look);
    return canvas;
}

constexpr volmar::WindowLook kPlain{false, false};
constexpr volmar::WindowLook kContents{false, true};

// On the purple interior (128,0,128): inverted (127,255,127), faint (127,63,127).
TEST(ContentsOverlay, DotsTheOutlineAndDrawsAFaintLineEvery32Pixels) {
    const QImage plain = Window(100, 98, kPlain);
    const QImage marked = Window(100, 98, kContents);
    const QRgb inverted = qRgb(127, 255, 127);
    const QRgb faint = qRgb(127, 63, 127);
    struct Pixel {
        int x, y;
        QRgb expected; // 0: as without the overlay
    } const pixels[] = {
        {16, 16, inverted}, {17, 16, 0},        {15, 16, 0},        {16, 15, 0},
        {83, 17, inverted}, {84, 17, 0},        {17, 81, inverted}, {16, 81, 0},
        {17, 82, 0},        {16, 18, inverted}, {18, 48, faint},    {18, 47, 0},
        {18, 49, 0},        {17, 48, faint},    {82, 48, faint},    {16, 48, inverted},
        {83, 48, 0},        {18, 80, faint},    {40, 64, 0},
    };
    for (const Pixel& p : pixels)
        EXPECT_EQ(marked.pixel(p.x, p.y), p.expected ? p.expected : plain.pixel(p.x, p.y))
            << p.x << "," << p.y;
}

TEST(ContentsOverlay, AWindowTooSmallForContentsShowsNone) {
    EXPECT_EQ(Window(32, 100, kContents), Window(32, 100, kPlain));
    EXPECT_EQ(Window(100, 32, kContents), Window(100, 32, kPlain));
    EXPECT_NE(Window(33, 33, kContents), Window(33, 33, kPlain));
    EXPECT_EQ(volmar::ContentsArea(33, 33), (volmar::Rect64{16, 16, 17, 17}));
}

TEST(WindowNames, OffLeavesTheFrameAsAWindowWithoutLabel) {
    const QImage named = Window(200, 100, {true, false});
    const QImage bare = Window(200, 100, kPlain);
    EXPECT_NE(named, bare);
    for (int y = 10; y < 30; ++y)
        EXPECT_EQ(bare.pixel(12, y), bare.pixel(150, y)) << y;
}

// A picture of 300 by 200 under grid and windows; the canvas colour beyond it.
TEST(BackgroundPicture, LiesUnderGridAndWindowsFromTheTopLeftCorner) {
    QImage picture(300, 200, QImage::Format_RGB32);
    picture.fill(qRgb(0, 90, 0));
    picture.setPixel(299, 199, qRgb(1, 2, 3));
    volmar::DesignDocument doc;
    TWindowItem item;
    item.Left = 200;
    item.Top = 50;
    item.Right = 280;
    item.Bottom = 130;
    doc.Append(item);
    QImage canvas(640, 480, QImage::Format_RGB32);
    volmar::PaintCanvas(canvas, volmar::EditorDisplayState{}, testskins::FlatSkin(), doc,
                        volmar::WindowLabelFont(), QRect(), picture);
    EXPECT_EQ(canvas.pixel(1, 1), qRgb(0, 90, 0));
    EXPECT_EQ(canvas.pixel(10, 10), testskins::kWhite); // a grid dot
    EXPECT_EQ(canvas.pixel(299, 199), qRgb(1, 2, 3));
    EXPECT_EQ(canvas.pixel(300, 1), testskins::kBlack);
    EXPECT_EQ(canvas.pixel(1, 200), testskins::kBlack);
    EXPECT_EQ(canvas.pixel(240, 90), testskins::kPurple); // the window's interior
}

} // namespace
