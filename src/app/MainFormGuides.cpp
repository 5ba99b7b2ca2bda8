// Snapping to other windows: the tools snap, the canvas shows the guides that hold.
#include "app/MainForm.h"

#include "canvas/FrameDragTool.h"

void TMainForm::setSnapToWindows(bool snap) {
    view_.SnapToWindows = snap;
}

void TMainForm::aacSnapToWindowsExecute() {
    setSnapToWindows(!view_.SnapToWindows);
}

void TMainForm::FrameMoveSnap(TQxGrabSize*, QPoint raw, QPoint& corner) {
    frameTool_->MoveSnap(raw, corner);
}

void TMainForm::FrameSizeSnap(TQxGrabSize*, volmar::GrabDragStep step, QPoint& point) {
    frameTool_->SizeSnap(step, point);
}

void TMainForm::ShowGuideLines(const volmar::GuideLines& lines) {
    if (lines == guideLines_)
        return;
    guideLines_ = lines;
    invalidateCanvas();
}
