#pragma once

#include "document/GuideSnap.h"

#include <QImage>
#include <QRect>

namespace volmar {

// The colour of a guide line, which no other mark of the canvas uses.
inline constexpr QRgb kGuideLineColour = 0xFFFF00FFu; // magenta

// Draws a one-pixel line across the whole canvas image at each x of
// lines.X (vertical) and each y of lines.Y (horizontal), inside `clip`
// (the whole image when null). Lines off the image draw nothing.
void PaintGuideLines(QImage& canvas, const GuideLines& lines, const QRect& clip = QRect());

} // namespace volmar
