#include "GrabSizeFixture.h"

#include <QImage>

namespace {

constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr QRgb kWhite = qRgb(255, 255, 255);

class GrabSizePaint : public GrabSizeFixture {
protected:
    // What the frame paints over its parent's drawing, on a transparent image.
    static QImage Painted(TQxGrabSize* frame) {
        QImage image(frame->size(), QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        frame->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        return image;
    }
    QImage Painted(TQxGSGrabMode mode) {
        TQxGrabSize* frame = AddFrame(100, 50, 100, 57);
        frame->SetDrawMode(mode);
        EXPECT_FALSE(frame->autoFillBackground());
        EXPECT_FALSE(frame->testAttribute(Qt::WA_OpaquePaintEvent));
        return Painted(frame);
    }
    static bool Transparent(const QImage& image, int x, int y) {
        return qAlpha(image.pixel(x, y)) == 0;
    }
};

TEST_F(GrabSizePaint, NormalModeDrawsTheOutlineAndEightRedSquares) {
    const QImage image = Painted(QxGGNormal);
    ASSERT_EQ(image.size(), QSize(100, 57));
    for (const QPoint p : {QPoint(2, 2), QPoint(97, 2), QPoint(2, 54), QPoint(97, 54),
                           QPoint(30, 2), QPoint(30, 54), QPoint(2, 40), QPoint(97, 40)})
        EXPECT_EQ(image.pixel(p), kRed) << "outline " << p.x() << "," << p.y();
    for (const QPoint corner : {QPoint(0, 0), QPoint(48, 0), QPoint(95, 0), QPoint(0, 26),
                                QPoint(95, 26), QPoint(0, 52), QPoint(48, 52), QPoint(95, 52)}) {
        EXPECT_EQ(image.pixel(corner), kRed) << "square at " << corner.x() << "," << corner.y();
        EXPECT_EQ(image.pixel(corner + QPoint(4, 4)), kRed);
    }
    EXPECT_TRUE(Transparent(image, 50, 30)); // the window shows through
    EXPECT_TRUE(Transparent(image, 5, 5));
    EXPECT_TRUE(Transparent(image, 1, 10)); // outside the outline, between squares
    EXPECT_TRUE(Transparent(image, 99, 40));
    EXPECT_TRUE(Transparent(image, 53, 0));
}

TEST_F(GrabSizePaint, MultiSelectModeDrawsAWhiteOutlineAndFourCorners) {
    const QImage image = Painted(QxGGMultiSelect);
    EXPECT_EQ(image.pixel(2, 30), kWhite);
    EXPECT_EQ(image.pixel(97, 30), kWhite);
    EXPECT_EQ(image.pixel(50, 54), kWhite);
    for (const QPoint corner : {QPoint(0, 0), QPoint(95, 0), QPoint(0, 52), QPoint(95, 52)}) {
        EXPECT_EQ(image.pixel(corner), kWhite);
        EXPECT_EQ(image.pixel(corner + QPoint(4, 4)), kWhite);
    }
    EXPECT_TRUE(Transparent(image, 49, 0)); // no middle squares
    EXPECT_TRUE(Transparent(image, 0, 28));
    EXPECT_TRUE(Transparent(image, 99, 28));
    EXPECT_TRUE(Transparent(image, 50, 56));
    EXPECT_TRUE(Transparent(image, 50, 30));
}

TEST_F(GrabSizePaint, ColoursComeFromTheProperties) {
    TQxGrabSize* frame = AddFrame(100, 50, 100, 57);
    frame->SetColor(0xFF0000); // blue, as 0x00BBGGRR
    frame->SetMultiSelectColor(0x00FF00);
    QImage image = Painted(frame);
    EXPECT_EQ(image.pixel(1, 1), qRgb(0, 0, 255));
    frame->SetDrawMode(QxGGMultiSelect);
    image = Painted(frame);
    EXPECT_EQ(image.pixel(1, 1), qRgb(0, 255, 0));
    EXPECT_EQ(image.pixel(50, 2), qRgb(0, 255, 0));
}

} // namespace
