#include "canvas/CanvasDrag.h"

#include "document/CanvasGeometry.h"

namespace volmar {

void CanvasDrag::Begin(CanvasPoint start) {
    dragging_ = true;
    band_ = CanvasRect{start.X, start.Y, start.X, start.Y};
}

void CanvasDrag::MoveTo(CanvasPoint corner) {
    band_.Right = corner.X;
    band_.Bottom = corner.Y;
}

CanvasRect CanvasDrag::Finish(CanvasPoint corner) {
    MoveTo(corner);
    dragging_ = false;
    return NormalizeRect(band_);
}

} // namespace volmar
