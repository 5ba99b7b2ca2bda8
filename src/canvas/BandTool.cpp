#include "canvas/BandTool.h"

#include "document/CanvasGeometry.h"

#include <utility>

namespace volmar {

std::vector<CanvasRect> GuideWindows(const DesignDocument& document, bool leaveOutSelected) {
    std::vector<CanvasRect> windows;
    windows.reserve(size_t(document.Count()));
    for (const auto& item : document)
        if (!leaveOutSelected || !item->Selected)
            windows.push_back(CanvasRect{item->Left, item->Top, item->Right, item->Bottom});
    return windows;
}

BandTool::BandTool(const DesignDocument& document, const EditorDisplayState& view, ShowLines show)
    : document_(document), view_(view), show_(std::move(show)) {}

CanvasPoint BandTool::GridPoint(CanvasPoint p) const {
    return SnapPoint(p, GridSnapping{view_.Snap, view_.GridX, view_.GridY});
}

// Nothing is dragged, so every window offers its guides.
void BandTool::Press(CanvasPoint p, bool drawing) {
    EndGuides();
    if (!view_.SnapToWindows || !drawing) {
        drag_.Begin(GridPoint(p));
        return;
    }
    targets_ = MakeGuideTargets(GuideWindows(document_, false), document_.Canvas());
    const PointSnap snap =
        SnapBandCorner(p, GridSnapping{view_.Snap, view_.GridX, view_.GridY}, *targets_);
    startLines_ = snap.Lines;
    show_(startLines_);
    drag_.Begin(snap.Point);
}

void BandTool::Move(CanvasPoint p) {
    drag_.MoveTo(Corner(p));
}

CanvasRect BandTool::Release(CanvasPoint p) {
    const CanvasPoint corner = Corner(p);
    EndGuides();
    return drag_.Finish(corner);
}

CanvasPoint BandTool::Corner(CanvasPoint p) {
    if (!targets_)
        return GridPoint(p);
    const PointSnap snap =
        SnapBandCorner(p, GridSnapping{view_.Snap, view_.GridX, view_.GridY}, *targets_);
    show_(MergedLines(startLines_, snap.Lines));
    return snap.Point;
}

void BandTool::EndGuides() {
    targets_.reset();
    startLines_ = {};
    show_({});
}

} // namespace volmar
