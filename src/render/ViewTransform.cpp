#include "render/ViewTransform.h"

#include <algorithm>

namespace volmar {

namespace {

// The largest coordinate a widget takes (QWIDGETSIZE_MAX).
constexpr qint64 kLimit = (1 << 24) - 1;

qint64 FloorDiv(qint64 a, qint64 b) {
    const qint64 q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

} // namespace

qint32 ViewTransform::ToCanvas(qint64 screen) const {
    return static_cast<qint32>(FloorDiv(screen, Factor));
}

CanvasPoint ViewTransform::ToCanvas(QPoint screen) const {
    return CanvasPoint{ToCanvas(screen.x()), ToCanvas(screen.y())};
}

int ViewTransform::ToScreen(qint64 canvas) const {
    return static_cast<int>(std::clamp(canvas * Factor, -kLimit, kLimit));
}

QPoint ViewTransform::ToScreen(CanvasPoint p) const {
    return QPoint(ToScreen(p.X), ToScreen(p.Y));
}

QRect ViewTransform::ToScreen(const QRect& r) const {
    const int left = ToScreen(r.left());
    const int top = ToScreen(r.top());
    return QRect(QPoint(left, top),
                 QPoint(ToScreen(qint64(r.right()) + 1) - 1, ToScreen(qint64(r.bottom()) + 1) - 1));
}

QSize ViewTransform::ToScreen(const CanvasSize& size) const {
    return QSize(ToScreen(size.Width), ToScreen(size.Height));
}

QRect ViewTransform::CanvasCover(const QRect& screen) const {
    if (screen.isEmpty())
        return QRect();
    return QRect(QPoint(ToCanvas(screen.left()), ToCanvas(screen.top())),
                 QPoint(ToCanvas(screen.right()), ToCanvas(screen.bottom())));
}

int BoundedZoom(int factor) {
    return std::clamp(factor, kMinZoom, kMaxZoom);
}

} // namespace volmar
