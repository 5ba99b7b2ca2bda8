#include "canvas/RubberBand.h"

#include <QPainter>
#include <QPolygon>

#include <algorithm>

namespace volmar {

namespace {

// Only the part of the band near the canvas can show; one pixel of margin
// keeps an outline edge that lies outside the canvas outside it.
QRect VisiblePart(const CanvasRect& band, const QSize& canvas, int zoom) {
    const auto clampX = [&](qint32 v) {
        return static_cast<int>(std::clamp<qint64>(qint64(v) * zoom, -1, canvas.width() + 1));
    };
    const auto clampY = [&](qint32 v) {
        return static_cast<int>(std::clamp<qint64>(qint64(v) * zoom, -1, canvas.height() + 1));
    };
    const int left = clampX(band.Left);
    const int top = clampY(band.Top);
    return QRect(left, top, clampX(band.Right) - left, clampY(band.Bottom) - top);
}

// Every other pixel of the outline, in a pattern fixed to the canvas so that
// the dots do not crawl while the band grows.
QPolygon DottedOutline(const QRect& r, QPoint origin) {
    QPolygon dots;
    const auto dot = [&](int x, int y) {
        if ((x + y + origin.x() + origin.y()) % 2 == 0)
            dots << QPoint(x, y);
    };
    for (int x = r.left(); x <= r.right(); ++x) {
        dot(x, r.top());
        if (r.bottom() != r.top())
            dot(x, r.bottom());
    }
    for (int y = r.top() + 1; y < r.bottom(); ++y) {
        dot(r.left(), y);
        if (r.right() != r.left())
            dot(r.right(), y);
    }
    return dots;
}

} // namespace

RubberBand::RubberBand(QWidget* canvas) : QWidget(canvas) {
    setObjectName(QStringLiteral("RubberBand"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void RubberBand::ShowBand(const CanvasRect& band) {
    const QWidget* canvas = parentWidget();
    const QRect visible = VisiblePart(band, canvas ? canvas->size() : QSize(), zoom_);
    if (visible.isEmpty()) {
        HideBand();
        return;
    }
    if (geometry() != visible)
        setGeometry(visible);
    if (isHidden())
        show();
}

void RubberBand::HideBand() {
    hide();
}

void RubberBand::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(QPen(Qt::white, 0));
    painter.drawPoints(DottedOutline(rect(), pos()));
}

} // namespace volmar
