#include "render/SkinRenderer.h"

#include "render/CanvasImage.h"
#include "render/ContentsOverlay.h"
#include "render/CoverageMask.h"
#include "render/PieceDrawing.h"
#include "render/WindowFrame.h"
#include "render/WindowLabel.h"

#include <algorithm>
#include <vector>

namespace volmar {

namespace {

constexpr qint64 kLabelX = 10;
constexpr qint64 kLabelY = 10;

// Copies the label, opaque, into the visible part of the window.
void DrawLabel(QImage& canvas, const QString& name, const QFont& font, const WindowArea& area) {
    const Rect64& visible = area.Visible;
    const LabelSlice label =
        WindowLabel(name, font, canvas, visible.Left - kLabelX, visible.Right - kLabelX);
    if (label.Image.isNull())
        return;
    const qint64 left = kLabelX + label.StartX;
    const Rect64 box{left, kLabelY, left + label.Image.width(), kLabelY + label.Image.height()};
    const Rect64 drawn = box.Intersected(visible);
    if (drawn.IsEmpty())
        return;
    for (qint64 y = drawn.Top; y < drawn.Bottom; ++y) {
        const QRgb* source =
            reinterpret_cast<const QRgb*>(label.Image.constScanLine(int(y - box.Top)));
        QRgb* dest = reinterpret_cast<QRgb*>(canvas.scanLine(int(area.OriginY + y)));
        std::copy(source + (drawn.Left - box.Left), source + (drawn.Right - box.Left),
                  dest + area.OriginX + drawn.Left);
    }
}

// The part of the canvas a window replaces; empty for a window of zero or
// negative width or height, which draws nothing.
Rect64 PaintedRect(const TWindowItem& window, const Rect64& paintable) {
    const Rect64 onCanvas{window.Left, window.Top, window.Right, window.Bottom};
    if (onCanvas.IsEmpty())
        return {};
    return onCanvas.Intersected(paintable);
}

void DrawPreparedWindow(QImage& canvas, const PreparedSkin& skin, const TWindowItem& window,
                        const QFont& labelFont, const Rect64& paintable, WindowLook look) {
    const qint64 left = window.Left;
    const qint64 top = window.Top;
    const qint64 width = qint64(window.Right) - left;
    const qint64 height = qint64(window.Bottom) - top;
    if (width <= 0 || height <= 0)
        return;
    const Rect64 onCanvas{left, top, left + width, top + height};
    const Rect64 visibleOnCanvas = onCanvas.Intersected(paintable);
    if (visibleOnCanvas.IsEmpty())
        return;
    const WindowArea area{left, top, visibleOnCanvas.Translated(-left, -top)};
    // Composing straight onto the canvas inside the window's rectangle gives
    // the same pixels as composing apart and copying, since the copy replaces
    // every pixel of the rectangle.
    if (const QImage* frame = CachedFrame(skin, width, height))
        CopyArea(*frame, area.Visible, canvas, visibleOnCanvas.Left, visibleOnCanvas.Top);
    else
        ComposeFrame(skin, width, height, area, canvas);
    if (look.Names)
        DrawLabel(canvas, window.Name, labelFont, area);
    if (look.Contents)
        DrawContentsOverlay(canvas, onCanvas, visibleOnCanvas, look.ContentsPadding);
}

} // namespace

void DrawWindow(QImage& canvas, const QImage& skin, const TWindowItem& window,
                const QFont& labelFont, const QRect& clip, WindowLook look) {
    EnsurePaintableFormat(canvas);
    DrawPreparedWindow(canvas, PreparedSkin(skin), window, labelFont, PaintableArea(canvas, clip),
                       look);
}

void DrawAllWindows(QImage& canvas, const QImage& skin, const DesignDocument& document,
                    const QFont& labelFont, const QRect& clip, WindowLook look) {
    EnsurePaintableFormat(canvas);
    const PreparedSkin prepared(skin);
    const Rect64 paintable = PaintableArea(canvas, clip);
    // Each window replaces every pixel of its rectangle, so one that the
    // windows in front of it cover completely would leave no pixel behind.
    const int count = document.Count();
    std::vector<bool> shows(size_t(count), false);
    CoverageMask covered(paintable);
    for (int i = count - 1; i >= 0; --i) {
        const Rect64 painted = PaintedRect(*document.At(i), paintable);
        if (painted.IsEmpty() || covered.Covers(painted))
            continue;
        shows[size_t(i)] = true;
        covered.Add(painted);
    }
    for (int i = 0; i < count; ++i)
        if (shows[size_t(i)])
            DrawPreparedWindow(canvas, prepared, *document.At(i), labelFont, paintable, look);
}

} // namespace volmar
