#pragma once

#include "document/CanvasSize.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRect>

#include <optional>

namespace volmar {

// A ruler is as long as the canvas side it measures and 20 pixels deep.
inline constexpr int kRulerDepth = 20;

// The logical bounds of the selected window's grab-handle frame, which is
// 5 pixels taller than its window.
struct RulerSelection {
    qint32 Left = 0;
    qint32 Top = 0;
    qint32 Width = 0;
    qint32 Height = 0;
};

// What one ruler repaint needs. The pointer is in ruler coordinates, which
// are screen coordinates along the ruler; the selection is in canvas pixels,
// which the ruler counts, each Zoom screen pixels long.
struct RulerPaint {
    QRect Area;                    // part being repainted; null = the whole ruler
    QColor Face;                   // the control-face colour
    QFont Font;                    // the label font
    std::optional<qint32> Pointer; // pointer x (horizontal) or y (vertical)
    std::optional<RulerSelection> Selection;
    bool Visible = true; // a hidden ruler draws nothing
    CanvasSize Canvas;   // the ruler is as long as the canvas side it measures
    int Zoom = 1;
};

// The horizontal ruler, as wide as the canvas and 20 deep: ticks every 50
// (full depth), 10 (from 12) and 5 (from 15) canvas pixels, labels 0, 50, ...
// at n + 3, the blue pointer mark and the red marks at the selected frame's
// left and right edges.
void PaintHorizontalRuler(QPainter& painter, const RulerPaint& paint);

// The vertical ruler, 20 wide and as tall as the canvas: the same turned by
// a quarter, labels written horizontally, red marks at the frame's top and at top + height - 5.
void PaintVerticalRuler(QPainter& painter, const RulerPaint& paint);

} // namespace volmar
