#pragma once

#include "document/CanvasRect.h"

namespace volmar {

// A left-button drag that began on empty canvas. Both corners of the band
// are given already snapped; the band is kept as dragged, not normalised.
class CanvasDrag {
public:
    bool IsDragging() const { return dragging_; }
    // The band from the drag start to the current corner.
    const CanvasRect& Band() const { return band_; }

    void Begin(CanvasPoint start);
    void MoveTo(CanvasPoint corner);
    // Ends the drag with its last corner; returns the normalised band.
    CanvasRect Finish(CanvasPoint corner);

private:
    bool dragging_ = false;
    CanvasRect band_;
};

} // namespace volmar
