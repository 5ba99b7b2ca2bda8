#include "canvas/FrameDragTool.h"

#include "canvas/BandTool.h"
#include "canvas/FrameBinding.h"

#include <utility>

namespace volmar {

namespace {

// The window edges a handle drags: which axes, and whether the vertical one
// is the bottom edge, which lies the frame's extra height above the pointer.
struct DraggedEdges {
    bool X = false;
    bool Y = false;
    bool Bottom = false;
};

DraggedEdges EdgesOf(GrabDragStep step) {
    switch (step) {
    case GrabDragStep::Top:
        return {false, true, false};
    case GrabDragStep::Bottom:
        return {false, true, true};
    case GrabDragStep::Left:
    case GrabDragStep::Right:
        return {true, false, false};
    case GrabDragStep::BottomLeft:
    case GrabDragStep::BottomRight:
        return {true, true, true};
    case GrabDragStep::TopLeft:
    case GrabDragStep::TopRight:
        break;
    }
    return {true, true, false};
}

} // namespace

FrameDragTool::FrameDragTool(DesignDocument& document, const EditorDisplayState& view,
                             QUndoStack& history, ShowLines show)
    : document_(document), view_(view), history_(history), show_(std::move(show)) {}

void FrameDragTool::Press(std::vector<BoundsChange> baseline,
                          std::optional<CanvasPoint> heldCorner) {
    baseline_ = std::move(baseline);
    if (!heldCorner)
        return;
    EndGuides();
    if (!view_.SnapToWindows)
        return;
    targets_ = MakeGuideTargets(GuideWindows(document_, true), document_.Canvas());
    std::vector<CanvasRect> dragged;
    dragged.reserve(baseline_.size());
    for (const BoundsChange& change : baseline_)
        dragged.push_back(change.Before);
    group_ = MakeDragGroup(dragged, *heldCorner);
}

void FrameDragTool::Flush() {
    if (baseline_.empty())
        return;
    for (BoundsChange& change : baseline_)
        change.After = BoundsOf(*change.Item);
    std::unique_ptr<BoundsStep> step = BoundsStep::FromApplied(
        document_, MoveOrResizeName(baseline_), baseline_, SelectedDefinitions(document_));
    Rebase();
    if (step)
        history_.push(step.release());
}

void FrameDragTool::Rebase() {
    for (BoundsChange& change : baseline_)
        change.Before = BoundsOf(*change.Item);
}

void FrameDragTool::Finish() {
    EndGuides();
    Flush();
    baseline_.clear();
}

void FrameDragTool::MoveSnap(QPoint raw, QPoint& corner) {
    if (!targets_)
        return;
    const PointSnap snap = SnapMoveStep(group_, CanvasPoint{raw.x(), raw.y()},
                                        CanvasPoint{corner.x(), corner.y()}, *targets_);
    corner = QPoint(snap.Point.X, snap.Point.Y);
    show_(snap.Lines);
}

void FrameDragTool::SizeSnap(GrabDragStep step, QPoint& point) {
    if (!targets_)
        return;
    const DraggedEdges edges = EdgesOf(step);
    const qint32 lift = edges.Bottom ? kFrameExtraHeight : 0;
    const PointSnap snap = SnapEdgesToGuides(
        CanvasPoint{point.x(), Wrap32(qint64(point.y()) - lift)}, edges.X, edges.Y, *targets_);
    point = QPoint(snap.Point.X, Wrap32(qint64(snap.Point.Y) + lift));
    show_(snap.Lines);
}

void FrameDragTool::EndGuides() {
    targets_.reset();
    show_({});
}

} // namespace volmar
