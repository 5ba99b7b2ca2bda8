#include "canvas/FrameBounds.h"

#include <QWidget>

#include <algorithm>
#include <cstdlib>

namespace volmar {

namespace {

// Keeps x + width of the visible rectangle far from int overflow.
constexpr qint64 kLimit = QWIDGETSIZE_MAX;

int ClampPosition(qint64 v) {
    return static_cast<int>(std::clamp(v, -kLimit, kLimit));
}

int ClampSize(qint64 v) {
    return static_cast<int>(std::min(std::llabs(v), kLimit));
}

qint64 VisibleStart(qint32 start, qint32 size) {
    return std::min(qint64(start), qint64(start) + size);
}

} // namespace

QRect VisibleRect(const FrameBounds& b) {
    return QRect(ClampPosition(VisibleStart(b.Left, b.Width)),
                 ClampPosition(VisibleStart(b.Top, b.Height)), ClampSize(b.Width),
                 ClampSize(b.Height));
}

FrameBounds ZoomedBounds(const FrameBounds& b, int factor) {
    const auto zoom = [factor](qint32 v) {
        return static_cast<qint32>(std::clamp<qint64>(qint64(v) * factor, INT32_MIN, INT32_MAX));
    };
    return FrameBounds{zoom(b.Left), zoom(b.Top), zoom(b.Width), zoom(b.Height)};
}

QPoint FrameOffset(const FrameBounds& b) {
    const QRect visible = VisibleRect(b);
    return QPoint(Wrap32(qint64(visible.left()) - b.Left), Wrap32(qint64(visible.top()) - b.Top));
}

} // namespace volmar
