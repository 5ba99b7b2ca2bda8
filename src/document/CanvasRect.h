#pragma once

#include <QtGlobal>

namespace volmar {

// A rectangle in canvas pixels with exclusive right and bottom edges.
// Unlike QRect, Right and Bottom are the first column and row outside it.
struct CanvasRect {
    qint32 Left = 0;
    qint32 Top = 0;
    qint32 Right = 0;
    qint32 Bottom = 0;

    friend bool operator==(const CanvasRect&, const CanvasRect&) = default;
};

struct CanvasPoint {
    qint32 X = 0;
    qint32 Y = 0;

    friend bool operator==(const CanvasPoint&, const CanvasPoint&) = default;
};

} // namespace volmar
