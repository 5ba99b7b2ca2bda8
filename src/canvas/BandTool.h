#pragma once

#include "canvas/CanvasDrag.h"
#include "document/DesignDocument.h"
#include "document/GuideSnap.h"
#include "render/DisplayState.h"

#include <functional>
#include <optional>

namespace volmar {

// The drag that begins on empty canvas: the band of a new window or of a
// range selection. The band's corners snap to the grid and, for a new
// window with snapping to windows on, to the guides of every window.
class BandTool {
public:
    using ShowLines = std::function<void(const GuideLines&)>;

    BandTool(const DesignDocument& document, const EditorDisplayState& view, ShowLines show);

    bool IsDragging() const { return drag_.IsDragging(); }
    // The band as dragged so far, not normalised.
    const CanvasRect& Band() const { return drag_.Band(); }

    // A left press at p; drawing tells a new window's band from a selection's.
    void Press(CanvasPoint p, bool drawing);
    void Move(CanvasPoint p);
    // Ends the drag at p and gives the normalised band.
    CanvasRect Release(CanvasPoint p);

private:
    CanvasPoint Corner(CanvasPoint p);
    CanvasPoint GridPoint(CanvasPoint p) const;
    void EndGuides();

    const DesignDocument& document_;
    const EditorDisplayState& view_;
    ShowLines show_;
    CanvasDrag drag_;
    // The guides of the band under way (none without snapping to windows),
    // and those its first corner holds to.
    std::optional<GuideTargets> targets_;
    GuideLines startLines_;
};

// The edges of the windows that offer guides: all of them, or all but the selected.
std::vector<CanvasRect> GuideWindows(const DesignDocument& document, bool leaveOutSelected);

} // namespace volmar
