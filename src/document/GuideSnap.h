#pragma once

#include "document/CanvasGeometry.h"
#include "document/CanvasRect.h"
#include "document/CanvasSize.h"

#include <optional>
#include <vector>

namespace volmar {

// Snapping to other windows: an edge or centre line of what is dragged that
// comes within kGuideReach pixels of a guide (an edge or centre line of a
// window that is not dragged, or of the canvas) goes exactly onto it.
inline constexpr qint32 kGuideReach = 5;

// The guides of one drag, sorted and each once: X holds the vertical lines
// (left edges, centres and right edges), Y the horizontal ones.
struct GuideTargets {
    std::vector<qint32> X;
    std::vector<qint32> Y;
};

// The guides that hold after a snap: a one-pixel line across the canvas at
// each x of X and at each y of Y.
struct GuideLines {
    std::vector<qint32> X;
    std::vector<qint32> Y;

    bool IsEmpty() const { return X.empty() && Y.empty(); }
    friend bool operator==(const GuideLines&, const GuideLines&) = default;
};

// The canvas's guides (its edges and centre lines) and those of every window given.
GuideTargets MakeGuideTargets(const std::vector<CanvasRect>& windows,
                              const CanvasSize& canvas = kDefaultCanvas);

// A point that snapping gives, with the guides that hold there.
struct PointSnap {
    CanvasPoint Point;
    GuideLines Lines;
};

// What a move drags: the bounding rectangle of the dragged windows and the
// corner of the frame the pointer holds, both where they were at the press.
// The windows keep their shape while they move.
struct DragGroup {
    CanvasRect Bounds;
    CanvasPoint Corner;
};
DragGroup MakeDragGroup(const std::vector<CanvasRect>& dragged, CanvasPoint corner);

// One step of a move that would put the held frame's corner at raw. On each
// axis where the left edge, centre or right edge of the group (top, centre,
// bottom) comes within reach of a guide, the nearest one wins and shifts the
// corner so; on the other axis the corner is the one the grid gives
// (gridded, raw itself without grid snapping). Lines holds every guide the
// group's edges and centres lie on after a guide's shift.
PointSnap SnapMoveStep(const DragGroup& group, CanvasPoint raw, CanvasPoint gridded,
                       const GuideTargets& targets);

// A point of dragged edges: x is a dragged vertical edge when snapX is set,
// y a dragged horizontal edge when snapY is set. Each goes onto the nearest
// guide in reach, and Lines holds those guides. The grid plays no part.
PointSnap SnapEdgesToGuides(CanvasPoint p, bool snapX, bool snapY, const GuideTargets& targets);

// A corner of a new window's band: guides where in reach, the grid elsewhere.
PointSnap SnapBandCorner(CanvasPoint p, const GridSnapping& grid, const GuideTargets& targets);

// Both sets of lines, each line once.
GuideLines MergedLines(GuideLines a, const GuideLines& b);

} // namespace volmar
