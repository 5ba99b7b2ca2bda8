#include "render/CanvasPainter.h"

#include "render/CanvasImage.h"
#include "render/Colors.h"
#include "render/SkinRenderer.h"

namespace volmar {

void PaintGrid(QImage& canvas, const EditorDisplayState& state, const QRect& clip) {
    if (state.GridX < 1 || state.GridY < 1)
        return;
    EnsurePaintableFormat(canvas);
    const Rect64 area = PaintableArea(canvas, clip);
    const QRgb dot = RgbFromBgr(state.GridColor);
    for (qint64 y = 0; y < canvas.height(); y += state.GridY) {
        if (y < area.Top || y >= area.Bottom)
            continue;
        QRgb* row = reinterpret_cast<QRgb*>(canvas.scanLine(int(y)));
        for (qint64 x = 0; x < canvas.width(); x += state.GridX)
            if (x >= area.Left && x < area.Right)
                row[x] = dot;
    }
}

void PaintCanvas(QImage& canvas, const EditorDisplayState& state, const QImage& skin,
                 const DesignDocument& document, const QFont& labelFont, const QRect& clip,
                 const QImage& background) {
    EnsurePaintableFormat(canvas);
    const Rect64 area = PaintableArea(canvas, clip);
    FillArea(canvas, area, RgbFromBgr(state.FormColor));
    if (!background.isNull()) {
        const Rect64 picture = area.Intersected({0, 0, background.width(), background.height()});
        if (!picture.IsEmpty())
            CopyArea(background, picture, canvas, picture.Left, picture.Top);
    }
    if (state.GridVisible)
        PaintGrid(canvas, state, clip);
    DrawAllWindows(canvas, skin, document, labelFont, clip,
                   WindowLook{state.ShowWindowNames, state.ShowContents, state.ContentsPadding});
}

} // namespace volmar
