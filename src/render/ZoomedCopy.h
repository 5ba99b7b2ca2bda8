#pragma once

#include <QImage>
#include <QRect>

namespace volmar {

// Copies the canvas image onto the screen image, each canvas pixel becoming
// a square of factor by factor screen pixels (nearest neighbour, never
// smoothed). Only the screen pixels inside `area` are written; both images
// are 32 bits per pixel, and `area` lies within the screen image.
void CopyZoomed(const QImage& canvas, int factor, QImage& screen, const QRect& area);

} // namespace volmar
