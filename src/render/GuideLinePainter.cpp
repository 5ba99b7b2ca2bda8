#include "render/GuideLinePainter.h"

#include "render/CanvasImage.h"

namespace volmar {

void PaintGuideLines(QImage& canvas, const GuideLines& lines, const QRect& clip) {
    if (lines.IsEmpty())
        return;
    EnsurePaintableFormat(canvas);
    const Rect64 area = PaintableArea(canvas, clip);
    for (const qint32 x : lines.X)
        if (x >= area.Left && x < area.Right)
            FillArea(canvas, Rect64{x, area.Top, qint64(x) + 1, area.Bottom}, kGuideLineColour);
    for (const qint32 y : lines.Y)
        if (y >= area.Top && y < area.Bottom)
            FillArea(canvas, Rect64{area.Left, y, area.Right, qint64(y) + 1}, kGuideLineColour);
}

} // namespace volmar
