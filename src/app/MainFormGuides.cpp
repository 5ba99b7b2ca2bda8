// Snapping to other windows: the guides of a frame drag or a new window's
// band, and the lines that show the guides holding.
#include "app/MainForm.h"

#include "canvas/FrameBinding.h"
#include "canvas/QxGrabSize.h"

#include <QToolButton>

namespace {

// The window edges a handle drags: which axes, and whether the vertical one
// is the bottom edge, which lies the frame's extra height above the pointer.
struct DraggedEdges {
    bool X = false;
    bool Y = false;
    bool Bottom = false;
};

DraggedEdges EdgesOf(volmar::GrabDragStep step) {
    using volmar::GrabDragStep;
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

void TMainForm::setSnapToWindows(bool snap) {
    view_.SnapToWindows = snap;
}

void TMainForm::aacSnapToWindowsExecute() {
    setSnapToWindows(!view_.SnapToWindows);
}

// The guides of one drag: the canvas and the windows left out (the selected
// ones when they are dragged), gathered once at the press.
void TMainForm::CollectGuides(bool leaveOutSelected) {
    std::vector<volmar::CanvasRect> windows;
    windows.reserve(size_t(document_.Count()));
    for (const auto& item : document_)
        if (!leaveOutSelected || !item->Selected)
            windows.push_back(volmar::CanvasRect{item->Left, item->Top, item->Right, item->Bottom});
    guideTargets_ = volmar::MakeGuideTargets(windows);
}

// A left press on a frame: the selected windows move or one is resized.
void TMainForm::BeginFrameGuides(TQxGrabSize* held) {
    EndGuides();
    if (!view_.SnapToWindows)
        return;
    CollectGuides(true);
    std::vector<volmar::CanvasRect> dragged;
    dragged.reserve(dragBaseline_.size());
    for (const volmar::BoundsChange& change : dragBaseline_)
        dragged.push_back(change.Before);
    guideGroup_ = volmar::MakeDragGroup(dragged, volmar::CanvasPoint{held->Left(), held->Top()});
}

void TMainForm::FrameMoveSnap(TQxGrabSize*, QPoint raw, QPoint& corner) {
    if (!guideTargets_)
        return;
    const volmar::PointSnap snap =
        volmar::SnapMoveStep(guideGroup_, volmar::CanvasPoint{raw.x(), raw.y()},
                             volmar::CanvasPoint{corner.x(), corner.y()}, *guideTargets_);
    corner = QPoint(snap.Point.X, snap.Point.Y);
    ShowGuideLines(snap.Lines);
}

void TMainForm::FrameSizeSnap(TQxGrabSize*, volmar::GrabDragStep step, QPoint& point) {
    if (!guideTargets_)
        return;
    const DraggedEdges edges = EdgesOf(step);
    const qint32 lift = edges.Bottom ? volmar::kFrameExtraHeight : 0;
    const volmar::PointSnap snap = volmar::SnapEdgesToGuides(
        volmar::CanvasPoint{point.x(), volmar::Wrap32(qint64(point.y()) - lift)}, edges.X, edges.Y,
        *guideTargets_);
    point = QPoint(snap.Point.X, volmar::Wrap32(qint64(snap.Point.Y) + lift));
    ShowGuideLines(snap.Lines);
}

// The first corner of a band on empty canvas. Only a new window's band snaps
// to the windows; nothing is dragged, so every window offers its guides.
volmar::CanvasPoint TMainForm::BeginBand(volmar::CanvasPoint p) {
    EndGuides();
    if (!view_.SnapToWindows || !CheckWindowMode->isChecked())
        return SnapPoint(p);
    CollectGuides(false);
    const volmar::PointSnap snap = volmar::SnapBandCorner(p, GridRule(), *guideTargets_);
    bandStartLines_ = snap.Lines;
    ShowGuideLines(bandStartLines_);
    return snap.Point;
}

volmar::CanvasPoint TMainForm::BandCorner(volmar::CanvasPoint p) {
    if (!guideTargets_)
        return SnapPoint(p);
    const volmar::PointSnap snap = volmar::SnapBandCorner(p, GridRule(), *guideTargets_);
    ShowGuideLines(volmar::MergedLines(bandStartLines_, snap.Lines));
    return snap.Point;
}

void TMainForm::EndGuides() {
    guideTargets_.reset();
    bandStartLines_ = {};
    ShowGuideLines({});
}

void TMainForm::ShowGuideLines(const volmar::GuideLines& lines) {
    if (lines == guideLines_)
        return;
    guideLines_ = lines;
    invalidateCanvas();
}
