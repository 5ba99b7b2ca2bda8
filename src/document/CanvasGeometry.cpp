#include "document/CanvasGeometry.h"

#include "document/GridSnap.h"

#include <utility>

namespace volmar {

CanvasPoint SnapPoint(CanvasPoint p, const GridSnapping& grid) {
    if (!grid.Snap)
        return p;
    return CanvasPoint{SnapToGrid(p.X, grid.StepX), SnapToGrid(p.Y, grid.StepY)};
}

CanvasRect NormalizeRect(CanvasRect r) {
    if (r.Left > r.Right)
        std::swap(r.Left, r.Right);
    if (r.Top > r.Bottom)
        std::swap(r.Top, r.Bottom);
    return r;
}

} // namespace volmar
