#include "render/SkinRenderer.h"

#include "ReferenceWindow.h"
#include "TestSkins.h"
#include "render/Fonts.h"
#include "render/SkinLoader.h"
#include "render/WindowLabel.h"
#include "support/WindowItems.h"

#include <QFontMetrics>

#include <random>

#include <gtest/gtest.h>

using namespace testskins;

using volmar::test::MakeWindow;

namespace {

constexpr QRgb kCanvasGreen = 0xFF00FF00u;

QImage Canvas(QRgb colour = kCanvasGreen) {
    QImage canvas(640, 480, QImage::Format_RGB32);
    canvas.fill(colour);
    return canvas;
}

QImage Drawn(const QImage& skin, const TWindowItem& item, QImage canvas = Canvas()) {
    volmar::DrawWindow(canvas, skin, item, volmar::WindowLabelFont());
    return canvas;
}

// The label's box for a name, relative to the window.
QRect LabelBox(const QString& name, const QImage& device) {
    const QFontMetrics metrics(volmar::WindowLabelFont(), &device);
    return QRect(10, 10, metrics.horizontalAdvance(volmar::WindowLabelText(name)),
                 metrics.height());
}

// Compares every canvas pixel with the literal reference composition.
void ExpectSameAsReference(const QImage& skin, const TWindowItem& item) {
    const QImage expected = reference::OntoCanvas(Canvas(), skin, item, volmar::WindowLabelFont());
    const QImage actual = Drawn(skin, item);
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x)
            if (actual.pixel(x, y) != expected.pixel(x, y)) {
                ADD_FAILURE() << "window (" << item.Left << "," << item.Top << "," << item.Right
                              << "," << item.Bottom << ") differs at " << x << "," << y << ": "
                              << std::hex << actual.pixel(x, y) << " vs " << expected.pixel(x, y);
                return;
            }
}

TEST(SkinRenderer, WorkedExampleShowsBorderInteriorAndLabel) {
    const TWindowItem item = MakeWindow(QStringLiteral("command"), 50, 60, 250, 160);
    const QImage canvas = Drawn(FlatSkin(), item);
    const QRect label = LabelBox(item.Name, canvas).translated(50, 60);
    int black = 0;
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x) {
            const QRgb p = canvas.pixel(x, y);
            const int wx = x - 50, wy = y - 60;
            if (label.contains(x, y)) {
                ASSERT_TRUE(p == kWhite || p == kBlack) << x << "," << y;
                black += p == kBlack;
                continue;
            }
            const bool outside = wx < 0 || wx >= 200 || wy < 0 || wy >= 100;
            const bool border = wx < 5 || wx >= 195 || wy < 5 || wy >= 95;
            ASSERT_EQ(p, outside ? kCanvasGreen : border ? kLightBlue : kPurple) << x << "," << y;
        }
    EXPECT_GT(black, 20);
}

// Small and large, the built-in skin gives a dark frame that covers the
// white margin along every side, white only outside the rounded corners,
// and a blue interior that darkens from top to bottom.
TEST(SkinRenderer, BuiltInSkinDrawsADarkFrameAroundABlueGradient) {
    const QImage skin = volmar::LoadBuiltInSkin();
    for (const QSize size : {QSize(40, 40), QSize(200, 100), QSize(640, 480), QSize(100, 300)}) {
        const int w = size.width(), h = size.height();
        const QImage canvas = Drawn(skin, MakeWindow(QString(), 0, 0, w, h), Canvas());
        const auto at = [&](int x, int y) { return canvas.pixel(x, y); };
        const std::string where = std::to_string(w) + "x" + std::to_string(h);
        for (const QPoint p : {QPoint(w / 2, 0), QPoint(w / 2, 1), QPoint(w / 2, h - 1),
                               QPoint(0, h / 2 + 8), QPoint(1, h / 2 + 8), QPoint(w - 1, h - 12)}) {
            EXPECT_NE(at(p.x(), p.y()), kWhite) << where << " " << p.x() << "," << p.y();
            EXPECT_LT(qGray(at(p.x(), p.y())), 60) << where << " " << p.x() << "," << p.y();
        }
        for (const QPoint p :
             {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
            EXPECT_EQ(at(p.x(), p.y()), kWhite) << where << " " << p.x() << "," << p.y();
        QRgb above = at(w / 2, 8);
        EXPECT_GT(qBlue(above), 2 * std::max(qRed(above), qGreen(above))) << where;
        for (int y = 28; y < h - 8; ++y) { // below the label
            const QRgb p = at(w - 9, y);
            EXPECT_EQ(at(w - 20, y), p) << where << " row " << y << " is one colour";
            EXPECT_LE(qBlue(p), qBlue(above)) << where << " row " << y;
            above = p;
        }
        EXPECT_LT(qBlue(at(w - 9, h - 9)), qBlue(at(w - 9, 8))) << where;
    }
}

TEST(SkinRenderer, MatchesLiteralCompositionForManySizesAndPlaces) {
    const QImage skin = Coded();
    const QString name = QStringLiteral("w");
    for (const QRect r :
         {QRect(40, 30, 200, 100), QRect(10, 10, 32, 32), QRect(5, 5, 33, 97),
          QRect(300, 200, 129, 47), QRect(100, 100, 31, 31), QRect(100, 100, 17, 60),
          QRect(100, 100, 60, 3), QRect(7, 9, 1, 1), QRect(-50, -30, 200, 100),
          QRect(560, 420, 200, 100), QRect(-20, 400, 700, 200), QRect(0, 0, 640, 480),
          QRect(-100, -50, 900, 400) /* larger than the canvas */})
        ExpectSameAsReference(
            skin, MakeWindow(name, r.x(), r.y(), r.x() + r.width(), r.y() + r.height()));
}

TEST(SkinRenderer, EmptyOrNegativeWindowDrawsNothing) {
    const QImage untouched = Canvas();
    for (const QRect r : {QRect(10, 10, 0, 50), QRect(10, 10, 50, 0), QRect(10, 10, -40, 50),
                          QRect(10, 10, 50, -1000)})
        EXPECT_EQ(
            Drawn(Coded(), MakeWindow("n", r.x(), r.y(), r.x() + r.width(), r.y() + r.height())),
            untouched);
}

// Windows that those in front of them cover completely are left out: the
// picture is the same as drawing every window in turn, with or without a clip.
TEST(SkinRenderer, HiddenWindowsLeaveTheSamePicture) {
    std::mt19937 random(13);
    auto coordinate = [&](int from, int to) {
        return std::uniform_int_distribution<int>(from, to)(random);
    };
    volmar::DesignDocument doc;
    for (int i = 0; i < 400; ++i) {
        const int left = coordinate(-60, 660), top = coordinate(-60, 500);
        doc.Append(MakeWindow(QStringLiteral("w%1").arg(i), left, top, left + coordinate(-5, 300),
                              top + coordinate(-5, 200)));
        if (i % 50 == 0) // the same rectangle again, in front
            doc.Append(*doc.At(doc.Count() - 1));
    }
    for (const QRect clip : {QRect(), QRect(100, 70, 333, 211)}) {
        QImage expected = Canvas();
        for (const auto& window : doc)
            volmar::DrawWindow(expected, Coded(), *window, volmar::WindowLabelFont(), clip);
        QImage actual = Canvas();
        volmar::DrawAllWindows(actual, Coded(), doc, volmar::WindowLabelFont(), clip);
        EXPECT_EQ(actual, expected);
    }
}

TEST(SkinRenderer, LaterWindowCoversEarlierCompletelyMarginIncluded) {
    volmar::DesignDocument doc;
    doc.Append(MakeWindow("a", 0, 0, 200, 100));
    doc.Append(MakeWindow("b", 100, 50, 300, 150));
    QImage both = Canvas();
    volmar::DrawAllWindows(both, FlatSkin(), doc, volmar::WindowLabelFont());
    // With the all-white frame the key leaves b's 2-pixel margin white over a's border.
    QImage plain = Canvas();
    volmar::DrawAllWindows(plain, PlainFrame(), doc, volmar::WindowLabelFont());
    const QImage bOnly = Drawn(PlainFrame(), *doc.At(1));
    for (int y = 50; y < 150; ++y)
        for (int x = 100; x < 300; ++x)
            ASSERT_EQ(plain.pixel(x, y), bOnly.pixel(x, y)) << x << "," << y;
    EXPECT_EQ(plain.pixel(100, 50), kWhite);
    EXPECT_EQ(plain.pixel(101, 99), kWhite);
    EXPECT_EQ(both.pixel(100, 99), kLightBlue);
    EXPECT_EQ(both.pixel(99, 60), kPurple); // a still shows left of b
}

TEST(SkinRenderer, SmallestDrawableWindowHasMeetingCornersAndReducedBackground) {
    using C = PieceColours;
    const QImage canvas = Drawn(Pieces(), MakeWindow("", 100, 100, 132, 132));
    EXPECT_EQ(canvas.pixel(100, 100), C::TopLeft);
    EXPECT_EQ(canvas.pixel(115, 109), C::TopLeft);
    EXPECT_EQ(canvas.pixel(116, 100), C::TopRight);
    EXPECT_EQ(canvas.pixel(131, 109), C::TopRight);
    EXPECT_EQ(canvas.pixel(100, 116), C::BottomLeft);
    EXPECT_EQ(canvas.pixel(109, 131), C::BottomLeft);
    EXPECT_EQ(canvas.pixel(116, 131), C::BottomRight);
    EXPECT_EQ(canvas.pixel(131, 131), C::BottomRight);
    EXPECT_EQ(canvas.pixel(132, 131), kCanvasGreen);

    // With a white frame the 28 by 28 background shows: every 128/28th source pixel.
    const QImage bare = Drawn(Coded().copy(0, 0, 128, 128), MakeWindow("", 100, 100, 132, 132));
    const QRect label = LabelBox("", bare);
    for (int j = 0; j < 28; ++j)
        for (int i = 0; i < 28; ++i)
            if (!label.contains(2 + i, 2 + j)) {
                ASSERT_EQ(bare.pixel(102 + i, 102 + j), BackgroundCode(i * 128 / 28, j * 128 / 28))
                    << i << "," << j;
            }
    EXPECT_EQ(bare.pixel(101, 101), kWhite);
    EXPECT_EQ(bare.pixel(130, 130), kWhite);
}

TEST(SkinRenderer, EdgesStretchOnlyTheSquareNextToTheCorner) {
    using C = PieceColours;
    const QImage canvas = Drawn(Pieces(), MakeWindow("", 0, 0, 96, 80));
    EXPECT_EQ(canvas.pixel(0, 16), C::Left);
    EXPECT_EQ(canvas.pixel(15, 63), C::Left);
    EXPECT_EQ(canvas.pixel(0, 64), C::BottomLeft);
    EXPECT_EQ(canvas.pixel(80, 40), C::Right);
    EXPECT_EQ(canvas.pixel(16, 0), C::Top);
    EXPECT_EQ(canvas.pixel(79, 9), C::Top);
    EXPECT_EQ(canvas.pixel(80, 0), C::TopRight);
    EXPECT_EQ(canvas.pixel(40, 79), C::Bottom);

    // A 64-pixel side edge shows each of the 16 source rows 16..31 four times.
    const QImage coded = Drawn(Coded(), MakeWindow("", 0, 0, 40, 96));
    for (int k = 0; k < 64; ++k)
        ASSERT_EQ(coded.pixel(3, 16 + k), qRgb(131, 16 + k / 4, 9)) << k;
    const QImage wide = Drawn(Coded(), MakeWindow("", 0, 0, 96, 40));
    for (int k = 0; k < 64; ++k)
        ASSERT_EQ(wide.pixel(16 + k, 37), qRgb(144 + k / 4, 48 + 13, 9)) << k;
}

TEST(SkinRenderer, OpaqueKeyColourSkipsThatColourAndDrawsWhite) {
    QImage skin = FlatSkin();
    FillRect(skin, QRect(133, 5, 54, 54), kRed);  // frame middle red, key pixel included
    FillRect(skin, QRect(128, 0, 64, 5), kWhite); // top border white
    FillRect(skin, QRect(64, 0, 1, 128), kRed);   // one red background column
    const QImage canvas = Drawn(skin, MakeWindow("", 0, 0, 256, 128));
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 256; ++x)
            ASSERT_NE(canvas.pixel(x, y), kRed) << x << "," << y;
    EXPECT_EQ(canvas.pixel(40, 3), kWhite);  // white border drawn over the background
    EXPECT_EQ(canvas.pixel(40, 8), kPurple); // red frame middle skipped
    EXPECT_EQ(canvas.pixel(128, 60), kWhite);
    EXPECT_EQ(canvas.pixel(130, 60), kPurple); // red background column skipped
    EXPECT_EQ(canvas.pixel(2, 60), kLightBlue);
}

TEST(SkinRenderer, KeyColourIsReadAtEveryCall) {
    QImage skin = FlatSkin();
    const TWindowItem item = MakeWindow("", 0, 0, 200, 100);
    EXPECT_EQ(Drawn(skin, item).pixel(100, 60), kPurple);
    skin.setPixel(144, 16, kPurple);
    EXPECT_EQ(Drawn(skin, item).pixel(100, 60), kWhite);
}

TEST(SkinRenderer, ChangedSkinPixelsShowAtTheNextDraw) {
    QImage skin = FlatSkin();
    const TWindowItem item = MakeWindow("", 0, 0, 200, 100);
    EXPECT_EQ(Drawn(skin, item).pixel(100, 60), kPurple);
    FillRect(skin, QRect(0, 0, 128, 128), kRed);
    EXPECT_EQ(Drawn(skin, item).pixel(100, 60), kRed);
}

TEST(SkinRenderer, LabelIsPrefixAloneForEmptyNameAndFollowsTheWindow) {
    QImage canvas = Canvas();
    const QImage label = volmar::RenderWindowLabel(QStringLiteral("ウインドウ名："),
                                                   volmar::WindowLabelFont(), canvas, 0, 10000);
    ASSERT_FALSE(label.isNull());
    EXPECT_EQ(label.size(), LabelBox("", canvas).size());
    // Window partly above and left of the canvas: the label is still at (10, 10) of it.
    canvas = Drawn(FlatSkin(), MakeWindow("", -4, -6, 300, 100));
    EXPECT_EQ(canvas.copy(6, 4, label.width(), label.height()), label);
}

TEST(SkinRenderer, LabelIsCutAtTheWindowEdge) {
    const QImage canvas = Drawn(PlainFrame(), MakeWindow("a long window name", 0, 0, 40, 20));
    for (int y = 0; y < 480; ++y)
        for (int x = 40; x < 640; ++x)
            ASSERT_EQ(canvas.pixel(x, y), kCanvasGreen);
    for (int x = 0; x < 640; ++x)
        ASSERT_EQ(canvas.pixel(x, 20), kCanvasGreen);
}

// A name this long is laid out only as far as it can show, cut among kerning
// pairs, combining marks, surrogate pairs and several scripts.
TEST(SkinRenderer, VeryWideLabelShowsTheRightColumns) {
    const QString name = QStringLiteral("AVfie\u0301\u6F22\u30A6\U0001F44D").repeated(700);
    ExpectSameAsReference(PlainFrame(), MakeWindow(name, -12000, 0, 700, 40));
    ExpectSameAsReference(PlainFrame(), MakeWindow(name, 0, 0, 700, 40));
}

TEST(SkinRenderer, HugeNameIsLaidOutOnlyAsFarAsItCanShow) {
    const QString name = QString(4000000, QLatin1Char('W'));
    const QImage canvas = Canvas();
    const QFontMetrics metrics(volmar::WindowLabelFont(), &canvas);
    const QString onCanvas = volmar::LabelLayoutText(name, metrics, 640);
    EXPECT_LT(onCanvas.size(), 5000);
    EXPECT_GE(metrics.horizontalAdvance(onCanvas), 640);
    EXPECT_EQ(onCanvas, volmar::WindowLabelText(name.left(onCanvas.size() - 7)));
    // Even a window pushed two billion pixels left lays out a bounded part.
    EXPECT_LT(volmar::LabelLayoutText(name, metrics, 2000000000).size(), 40000);
}

TEST(SkinRenderer, SmallOrEmptySkinReadsWhiteOutsideIt) {
    // Empty skin: every read is white, so nothing but the white window and its label.
    const QImage empty = Drawn(QImage(), MakeWindow("", 0, 0, 100, 60));
    EXPECT_EQ(empty.pixel(50, 40), kWhite);
    EXPECT_EQ(empty.pixel(99, 59), kWhite);
    EXPECT_EQ(empty.pixel(100, 59), kCanvasGreen);
    // A 64 by 64 skin: the background's outer part and the whole frame read white.
    ExpectSameAsReference(Coded().copy(0, 0, 64, 64), MakeWindow("x", 20, 20, 220, 120));
    ExpectSameAsReference(QImage(), MakeWindow("x", 20, 20, 220, 120));
}

TEST(SkinRenderer, HugeWindowFromAHandEditedFileIsClippedCheaply) {
    const QImage canvas = Drawn(FlatSkin(), MakeWindow("", -2000000000, -5, 2000000000, 100));
    EXPECT_EQ(canvas.pixel(0, 0), kPurple);
    EXPECT_EQ(canvas.pixel(639, 89), kPurple);
    EXPECT_EQ(canvas.pixel(320, 94), kPurple);
    EXPECT_EQ(canvas.pixel(320, 95), kLightBlue);
    EXPECT_EQ(canvas.pixel(320, 99), kLightBlue);
    EXPECT_EQ(canvas.pixel(320, 100), kCanvasGreen);
    // Edges whose width would overflow 32 bits.
    const QImage extreme =
        Drawn(FlatSkin(), MakeWindow("", INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX));
    EXPECT_EQ(extreme.pixel(0, 0), kPurple);
    EXPECT_EQ(extreme.pixel(639, 479), kPurple);
}

TEST(SkinRenderer, ClipLimitsEveryPixelWritten) {
    QImage canvas = Canvas();
    volmar::DrawWindow(canvas, FlatSkin(), MakeWindow("", 0, 0, 200, 100),
                       volmar::WindowLabelFont(), QRect(50, 20, 10, 10));
    const QImage full = Drawn(FlatSkin(), MakeWindow("", 0, 0, 200, 100));
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x) {
            const bool inside = QRect(50, 20, 10, 10).contains(x, y);
            ASSERT_EQ(canvas.pixel(x, y), inside ? full.pixel(x, y) : kCanvasGreen);
        }
}

} // namespace
