#include "app/PaintBox.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace volmar::test {
namespace {

// Many invalidations before a repaint give one repaint; none is lost after a
// repaint, nor while the box was hidden.
TEST(PaintBoxTest, InvalidateAsksOnceUntilPaintedAndNeverLosesARepaint) {
    QWidget top;
    top.resize(200, 100);
    auto* box = new PaintBox(&top);
    box->setGeometry(0, 0, 100, 50);
    int paints = 0;
    box->OnPaint = [&paints](QImage&, const QRect&) { ++paints; };
    top.show();
    QCoreApplication::processEvents();
    paints = 0;

    for (int i = 0; i < 3; ++i)
        box->Invalidate();
    QCoreApplication::processEvents();
    EXPECT_EQ(paints, 1);
    box->Invalidate();
    QCoreApplication::processEvents();
    EXPECT_EQ(paints, 2);

    box->hide();
    box->Invalidate();
    box->show();
    QCoreApplication::processEvents();
    const int afterShow = paints;
    EXPECT_GE(afterShow, 3);
    box->Invalidate();
    QCoreApplication::processEvents();
    EXPECT_EQ(paints, afterShow + 1);
}

} // namespace
} // namespace volmar::test
