#include "canvas/RubberBand.h"

#include <QImage>
#include <QPainter>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

// A black canvas that paints itself, as the design canvas does.
class BlackCanvas : public QWidget {
public:
    BlackCanvas() {
        setAttribute(Qt::WA_OpaquePaintEvent);
        resize(100, 80);
    }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), Qt::black); }
};

class RubberBandTest : public ::testing::Test {
protected:
    void SetUp() override { band = new volmar::RubberBand(&canvas); }

    QImage Shot() { return canvas.grab().toImage().convertToFormat(QImage::Format_RGB32); }

    int WhitePixels() {
        const QImage shot = Shot();
        int n = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                n += shot.pixel(x, y) == qRgb(255, 255, 255) ? 1 : 0;
        return n;
    }

    BlackCanvas canvas;
    volmar::RubberBand* band = nullptr;
};

TEST_F(RubberBandTest, DrawsEveryOtherPixelOfTheOutlineInverted) {
    band->ShowBand(volmar::CanvasRect{10, 20, 30, 40}); // pixels 10..29, 20..39
    const QImage shot = Shot();
    EXPECT_EQ(shot.pixel(10, 20), qRgb(255, 255, 255));
    EXPECT_EQ(shot.pixel(11, 20), qRgb(0, 0, 0));
    EXPECT_EQ(shot.pixel(12, 20), qRgb(255, 255, 255));
    EXPECT_EQ(shot.pixel(29, 39), qRgb(255, 255, 255));
    EXPECT_EQ(shot.pixel(10, 22), qRgb(255, 255, 255));
    EXPECT_EQ(shot.pixel(20, 30), qRgb(0, 0, 0)); // inside stays
    EXPECT_EQ(shot.pixel(30, 20), qRgb(0, 0, 0)); // right is exclusive
    EXPECT_EQ(WhitePixels(), 38);                 // half of the 76 outline pixels
}

TEST_F(RubberBandTest, ShowsOneBandAtATimeAndLeavesNoTrace) {
    band->ShowBand(volmar::CanvasRect{10, 20, 30, 40});
    band->ShowBand(volmar::CanvasRect{50, 10, 60, 20});
    EXPECT_EQ(Shot().pixel(10, 20), qRgb(0, 0, 0));
    EXPECT_EQ(Shot().pixel(50, 10), qRgb(255, 255, 255));
    band->HideBand();
    EXPECT_EQ(WhitePixels(), 0);
}

TEST_F(RubberBandTest, ABandWithoutAreaShowsNothing) {
    band->ShowBand(volmar::CanvasRect{10, 20, 10, 40});
    EXPECT_TRUE(band->isHidden());
    EXPECT_EQ(WhitePixels(), 0);
}

TEST_F(RubberBandTest, ABandReachingFarBeyondTheCanvasShowsOnlyItsInnerEdges) {
    band->ShowBand(volmar::CanvasRect{-2000000000, 10, 50, 2000000000});
    const QImage shot = Shot();
    EXPECT_EQ(shot.pixel(0, 10), qRgb(255, 255, 255));  // the top edge
    EXPECT_EQ(shot.pixel(49, 11), qRgb(255, 255, 255)); // the right edge
    EXPECT_EQ(shot.pixel(0, 11), qRgb(0, 0, 0));        // no left edge shows
    EXPECT_EQ(shot.pixel(0, 79), qRgb(0, 0, 0));        // no bottom edge shows
}

} // namespace
