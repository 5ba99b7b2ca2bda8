// The screen-canvas transform at each zoom factor, on and one past each edge.
#include "render/ViewTransform.h"

#include <gtest/gtest.h>

namespace volmar {
namespace {

TEST(ViewTransform, PointsAndRectanglesAtEachFactor) {
    for (int f = kMinZoom; f <= kMaxZoom; ++f) {
        const ViewTransform view{f};
        SCOPED_TRACE(f);
        // A canvas pixel's first and last screen pixel, and the ones beside them.
        EXPECT_EQ(view.ToCanvas(qint64(-1)), -1);
        EXPECT_EQ(view.ToCanvas(qint64(0)), 0);
        EXPECT_EQ(view.ToCanvas(qint64(f - 1)), 0);
        EXPECT_EQ(view.ToCanvas(qint64(f)), 1);
        EXPECT_EQ(view.ToCanvas(qint64(-f)), -1);
        EXPECT_EQ(view.ToCanvas(qint64(-f - 1)), -2);
        EXPECT_EQ(view.ToCanvas(QPoint(640 * f - 1, 480 * f)), (CanvasPoint{639, 480}));
        EXPECT_EQ(view.ToScreen(CanvasPoint{-3, 7}), QPoint(-3 * f, 7 * f));
        EXPECT_EQ(view.ToScreen(QRect(10, 20, 30, 40)), QRect(10 * f, 20 * f, 30 * f, 40 * f));
        EXPECT_EQ(view.ToScreen(CanvasSize{544, 416}), QSize(544 * f, 416 * f));
        // A screen rectangle covers the canvas pixels it shows any part of.
        EXPECT_EQ(view.CanvasCover(QRect(f, f, 1, 1)), QRect(1, 1, 1, 1));
        EXPECT_EQ(view.CanvasCover(QRect(f - 1, 0, 2, f)), QRect(0, 0, 2, 1));
        EXPECT_TRUE(view.CanvasCover(QRect()).isEmpty());
        // Far edges are held where a widget can still take them.
        EXPECT_EQ(view.ToScreen(qint64(INT32_MAX)), (1 << 24) - 1);
        EXPECT_EQ(view.ToScreen(qint64(INT32_MIN)), -((1 << 24) - 1));
    }
    EXPECT_EQ(BoundedZoom(0), 1);
    EXPECT_EQ(BoundedZoom(4), 3);
}

} // namespace
} // namespace volmar
