#pragma once

#include "render/Rect64.h"

#include <QImage>
#include <QRect>

namespace volmar {

// Painting writes whole 0xAARRGGBB pixels; an image of another layout is
// converted to 32-bit RGB first.
void EnsurePaintableFormat(QImage& target);

// The part of the target that may be painted: the clip rectangle (the whole
// image when the clip is null) cut to the image.
Rect64 PaintableArea(const QImage& target, const QRect& clip);

// Sets every pixel of `area` (inside the image) to one colour.
void FillArea(QImage& target, const Rect64& area, QRgb colour);

// Copies `area` of `source` (inside it) to the target with its top-left
// pixel at (x, y); the destination must lie inside the target.
void CopyArea(const QImage& source, const Rect64& area, QImage& target, qint64 x, qint64 y);

} // namespace volmar
