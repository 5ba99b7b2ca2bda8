#include "render/RulerPainter.h"
#include "render/Fonts.h"

#include <QFontMetrics>

#include <algorithm>

#include <gtest/gtest.h>

using volmar::RulerPaint;
using volmar::RulerSelection;

namespace {

constexpr QRgb kFace = 0xFFD4D0C8u;
constexpr QRgb kBlack = 0xFF000000u;
constexpr QRgb kBlue = 0xFF0000FFu;
constexpr QRgb kRed = 0xFFFF0000u;
constexpr QRgb kUntouched = 0xFF00FF00u;

RulerPaint Input() {
    RulerPaint paint;
    paint.Face = QColor::fromRgb(kFace);
    paint.Font = volmar::RulerFont();
    return paint;
}

// Horizontal rulers are painted as they are; vertical ones are painted and
// then turned so that the same along/across checks serve both.
QImage Horizontal(const RulerPaint& paint) {
    QImage image(640, 20, QImage::Format_RGB32);
    image.fill(kUntouched);
    QPainter painter(&image);
    volmar::PaintHorizontalRuler(painter, paint);
    return image;
}

QImage Vertical(const RulerPaint& paint) {
    QImage image(20, 480, QImage::Format_RGB32);
    image.fill(kUntouched);
    QPainter painter(&image);
    volmar::PaintVerticalRuler(painter, paint);
    return image;
}

// Pixel at (along, across) of either ruler.
QRgb At(const QImage& ruler, int along, int across) {
    return ruler.width() == 640 ? ruler.pixel(along, across) : ruler.pixel(across, along);
}

QRect LabelBox(int n, const QImage& ruler, bool horizontal) {
    const QFontMetrics metrics(volmar::RulerFont(), &ruler);
    const QSize size(metrics.horizontalAdvance(QString::number(n)), metrics.height());
    return QRect(horizontal ? QPoint(n + 3, 0) : QPoint(0, n + 3), size);
}

// Label boxes in (along, across) terms.
std::vector<QRect> LabelBoxes(const QImage& ruler) {
    const bool horizontal = ruler.width() == 640;
    std::vector<QRect> boxes;
    for (int n = 0; n <= (horizontal ? 640 : 480); n += 50) {
        const QRect box = LabelBox(n, ruler, horizontal);
        boxes.push_back(
            horizontal ? box : box.transposed().translated(box.y() - box.x(), box.x() - box.y()));
    }
    return boxes;
}

// The tick pattern: full depth every 50, from 12 every 10, from 15 every 5.
QRgb ExpectedTick(int along, int across) {
    const bool tick =
        along % 50 == 0 || (along % 10 == 0 && across >= 12) || (along % 5 == 0 && across >= 15);
    return tick ? kBlack : kFace;
}

void ExpectScale(const QImage& ruler, int length) {
    const std::vector<QRect> boxes = LabelBoxes(ruler);
    const auto inLabel = [&](int along, int across) {
        return std::any_of(boxes.begin(), boxes.end(),
                           [&](const QRect& b) { return b.contains(along, across); });
    };
    for (int along = 0; along < length; ++along)
        for (int across = 0; across < 20; ++across)
            if (!inLabel(along, across)) {
                ASSERT_EQ(At(ruler, along, across), ExpectedTick(along, across))
                    << along << "," << across;
            }
}

void ExpectLabels(const QImage& ruler, int length) {
    const bool horizontal = ruler.width() == 640;
    for (int n = 0; n <= length - 3; n += 50) {
        const QRect box = LabelBox(n, ruler, horizontal) & ruler.rect();
        int black = 0;
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x) {
                const QRgb p = ruler.pixel(x, y);
                ASSERT_TRUE(p == kBlack || p == kFace) << n << ": " << x << "," << y;
                black += p == kBlack;
            }
        EXPECT_GT(black, 3) << n;
    }
}

TEST(RulerPainter, HorizontalScaleTicksAndLabels) {
    const QImage ruler = Horizontal(Input());
    ExpectScale(ruler, 640);
    ExpectLabels(ruler, 640);
    EXPECT_EQ(ruler.pixel(1, 5), kFace); // between the 0 tick and its label
    EXPECT_EQ(ruler.pixel(602, 5), kFace);
    // Labels stand on a box of the ruler colour that hides the ticks under it.
    const QRect box600 = LabelBox(600, ruler, true);
    if (box600.bottom() < 12)
        GTEST_SKIP() << "this system's ruler font is too short for a label box to cover a tick";
    for (int x = box600.left(); x <= box600.right(); ++x)
        EXPECT_NE(ruler.pixel(x, 0), kUntouched);
}

TEST(RulerPainter, VerticalScaleTicksAndLabelsTo450) {
    const QImage ruler = Vertical(Input());
    ExpectScale(ruler, 480);
    ExpectLabels(ruler, 480);
    const QRect box450 = LabelBox(450, ruler, false);
    EXPECT_EQ(box450.top(), 453);
    EXPECT_EQ(ruler.pixel(5, 452), kFace);
}

TEST(RulerPainter, PointerAndSelectionMarks) {
    RulerPaint paint = Input();
    paint.Pointer = 123;
    paint.Selection = RulerSelection{100, 50, 200, 105}; // frame of window (100,50,300,150)
    const QImage h = Horizontal(paint);
    for (int y = 0; y < 20; ++y) {
        ASSERT_EQ(h.pixel(123, y), kBlue);
        ASSERT_EQ(h.pixel(100, y), kRed);
        ASSERT_EQ(h.pixel(300, y), kRed);
    }
    paint.Pointer = 77;
    const QImage v = Vertical(paint);
    for (int x = 0; x < 20; ++x) {
        ASSERT_EQ(v.pixel(x, 77), kBlue);
        ASSERT_EQ(v.pixel(x, 50), kRed);
        ASSERT_EQ(v.pixel(x, 150), kRed);
        ASSERT_NE(v.pixel(x, 155), kRed);
    }
    for (int along : {99, 101, 299, 301})
        EXPECT_NE(h.pixel(along, 5), kRed);
}

TEST(RulerPainter, MarksOffTheRulerDrawNothing) {
    const QImage plain = Horizontal(Input());
    RulerPaint paint = Input();
    for (qint32 off : {-1, 640, INT32_MIN, INT32_MAX}) {
        paint.Pointer = off;
        paint.Selection = RulerSelection{off, off, INT32_MAX, INT32_MAX};
        EXPECT_EQ(Horizontal(paint), plain) << off;
    }
}

TEST(RulerPainter, HiddenDrawsNothingAndAreaLimitsTheRepaint) {
    RulerPaint hidden = Input();
    hidden.Visible = false;
    hidden.Pointer = 10;
    QImage untouched(640, 20, QImage::Format_RGB32);
    untouched.fill(kUntouched);
    EXPECT_EQ(Horizontal(hidden), untouched);

    RulerPaint part = Input();
    part.Area = QRect(0, 0, 100, 20);
    const QImage partial = Horizontal(part);
    const QImage full = Horizontal(Input());
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 640; ++x)
            ASSERT_EQ(partial.pixel(x, y), x < 100 ? full.pixel(x, y) : kUntouched);
}

} // namespace
