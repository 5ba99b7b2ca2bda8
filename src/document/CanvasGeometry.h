#pragma once

#include "document/CanvasRect.h"

namespace volmar {

// How the design surface snaps points: with Snap set, each coordinate is
// truncated toward zero to a multiple of its step (23 -> 20, -7 -> 0).
// Steps are at least 1 whenever Snap is set.
struct GridSnapping {
    bool Snap = true;
    qint32 StepX = 10;
    qint32 StepY = 10;
};

// The point snapped to the grid, or the point itself when snapping is off.
CanvasPoint SnapPoint(CanvasPoint p, const GridSnapping& grid);

// The rectangle with its x values swapped when Left > Right and its y values
// swapped when Top > Bottom.
CanvasRect NormalizeRect(CanvasRect r);

} // namespace volmar
