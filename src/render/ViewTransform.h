#pragma once

#include "document/CanvasRect.h"
#include "document/CanvasSize.h"

#include <QPoint>
#include <QRect>
#include <QSize>

namespace volmar {

// The zoom factors the editor offers: each canvas pixel is shown as a square
// of this many screen pixels on a side.
inline constexpr int kMinZoom = 1;
inline constexpr int kMaxZoom = 3;

// Between the canvas and the screen pixels that show it. Screen coordinates
// are those of the widget showing the canvas, its top-left the canvas origin.
struct ViewTransform {
    int Factor = 1;

    // The canvas coordinate of a screen coordinate: the quotient rounded
    // toward negative infinity, so that -1 lies on canvas pixel -1.
    qint32 ToCanvas(qint64 screen) const;
    CanvasPoint ToCanvas(QPoint screen) const;
    // A canvas coordinate on the screen, held within the range a widget can take.
    int ToScreen(qint64 canvas) const;
    QPoint ToScreen(CanvasPoint p) const;
    // The screen pixels that show the canvas pixels of r.
    QRect ToScreen(const QRect& r) const;
    QSize ToScreen(const CanvasSize& size) const;
    // The canvas pixels of which the screen rectangle shows any part.
    QRect CanvasCover(const QRect& screen) const;
};

// Zoom factors outside kMinZoom..kMaxZoom are held to the nearer end.
int BoundedZoom(int factor);

} // namespace volmar
