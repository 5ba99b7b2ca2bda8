#include "render/CanvasImage.h"

#include <algorithm>

namespace volmar {

void EnsurePaintableFormat(QImage& target) {
    switch (target.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
        return;
    default:
        if (!target.isNull())
            target.convertTo(QImage::Format_RGB32);
    }
}

Rect64 PaintableArea(const QImage& target, const QRect& clip) {
    const Rect64 image{0, 0, target.width(), target.height()};
    if (clip.isNull())
        return image;
    const QRect c = clip.normalized();
    return image.Intersected(
        {c.left(), c.top(), qint64(c.left()) + c.width(), qint64(c.top()) + c.height()});
}

void FillArea(QImage& target, const Rect64& area, QRgb colour) {
    if (area.IsEmpty())
        return;
    const QRgb opaque = colour | 0xFF000000u;
    for (qint64 y = area.Top; y < area.Bottom; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(target.scanLine(int(y)));
        std::fill(row + area.Left, row + area.Right, opaque);
    }
}

void CopyArea(const QImage& source, const Rect64& area, QImage& target, qint64 x, qint64 y) {
    for (qint64 row = area.Top; row < area.Bottom; ++row) {
        const QRgb* from = reinterpret_cast<const QRgb*>(source.constScanLine(int(row)));
        QRgb* to = reinterpret_cast<QRgb*>(target.scanLine(int(y + row - area.Top)));
        std::copy(from + area.Left, from + area.Right, to + x);
    }
}

} // namespace volmar
