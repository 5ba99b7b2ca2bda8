// Pointer input on the design canvas: selecting by a press, drawing a new
// window or a selection band by a drag.
#include "app/MainForm.h"
#include "app/PaintBox.h"

#include "canvas/RubberBand.h"
#include "document/CanvasGeometry.h"
#include "document/HintText.h"

#include <QMouseEvent>
#include <QToolButton>
#include <QtMath>

namespace {

// The canvas pixel under the pointer; the canvas keeps delivering while a
// button is held, so the point may lie outside it.
volmar::CanvasPoint CanvasPointOf(const QMouseEvent* event) {
    const QPointF p = event->position();
    return volmar::CanvasPoint{qFloor(p.x()), qFloor(p.y())};
}

QString Coordinate(const char* axis, qint32 value) {
    return QLatin1String(axis) + QString::number(value);
}

} // namespace

volmar::GridSnapping TMainForm::GridRule() const {
    return volmar::GridSnapping{view_.Snap, view_.GridX, view_.GridY};
}

volmar::CanvasPoint TMainForm::SnapPoint(volmar::CanvasPoint p) const {
    return volmar::SnapPoint(p, GridRule());
}

// A press on a window selects it; a left press on empty canvas starts a drag.
// The right button's context menu follows by the toolkit's own rule.
void TMainForm::WindowEditorMouseDown(QMouseEvent* event) {
    WindowEditorBackPanel->setFocus(Qt::MouseFocusReason);
    const volmar::CanvasPoint p = CanvasPointOf(event);
    const Qt::MouseButton button = event->button();
    if (button == Qt::LeftButton || button == Qt::RightButton) {
        if (TWindowItem* hit = DefinitionAt(p.X, p.Y)) {
            SelectOnPress(hit, event->modifiers().testFlag(Qt::ShiftModifier));
            return;
        }
    }
    if (button != Qt::LeftButton)
        return;
    drag_.Begin(BeginBand(p));
}

void TMainForm::SelectOnPress(TWindowItem* hit, bool addToSelection) {
    if (!addToSelection)
        SetAllSelected(false);
    hit->Selected = true;
    arrangeReference_ = hit;
    RebuildFrames();
    RebuildWindowSelector();
}

void TMainForm::WindowEditorMouseMove(QMouseEvent* event) {
    const volmar::CanvasPoint p = CanvasPointOf(event);
    invalidateRulers();
    setStatusText(1, Coordinate("X:", p.X));
    setStatusText(2, Coordinate("Y:", p.Y));
    if (!drag_.IsDragging())
        return;
    drag_.MoveTo(BandCorner(p));
    rubberBand_->ShowBand(volmar::NormalizeRect(drag_.Band()));
    if (CheckWindowMode->isChecked())
        ShowCanvasHint(volmar::SizeHintText(drag_.Band()), event->globalPosition().toPoint());
}

void TMainForm::WindowEditorMouseUp(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    HideCanvasHint();
    if (drag_.IsDragging()) {
        const volmar::CanvasPoint corner = BandCorner(CanvasPointOf(event));
        EndGuides();
        FinishCanvasDrag(corner);
    }
    SyncWindowSelector();
    invalidateCanvas();
}

// The drag ends before the name prompt opens, so that nothing arriving while
// the prompt is up can finish it a second time. The mode buttons are read now.
void TMainForm::FinishCanvasDrag(volmar::CanvasPoint corner) {
    rubberBand_->HideBand();
    const volmar::CanvasRect band = drag_.Finish(corner);
    if (CheckSelectMode->isChecked()) {
        arrangeReference_ = nullptr; // the front-most selected window stands in
        SetAllSelected(false);
        RebuildFrames();
        SelectInsideRect(band);
        RebuildFrames();
    }
    if (CheckWindowMode->isChecked())
        AddWindowDefinition(band);
}
