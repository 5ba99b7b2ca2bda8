// Pointer input on the design canvas: selecting by a press, drawing a new
// window or a selection band by a drag.
#include "app/MainForm.h"
#include "app/PaintBox.h"

#include "canvas/BandTool.h"
#include "canvas/RubberBand.h"
#include "document/CanvasGeometry.h"
#include "document/HintText.h"

#include <QMouseEvent>
#include <QToolButton>
#include <QtMath>

namespace {

// The screen pixel under the pointer; the canvas keeps delivering while a
// button is held, so the point may lie outside it.
QPoint ScreenPointOf(const QMouseEvent* event) {
    const QPointF p = event->position();
    return QPoint(qFloor(p.x()), qFloor(p.y()));
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
    const volmar::CanvasPoint p = Transform().ToCanvas(ScreenPointOf(event));
    const Qt::MouseButton button = event->button();
    if (button == Qt::LeftButton || button == Qt::RightButton) {
        if (TWindowItem* hit = DefinitionAt(p.X, p.Y)) {
            SelectOnPress(hit, event->modifiers().testFlag(Qt::ShiftModifier));
            return;
        }
    }
    if (button != Qt::LeftButton)
        return;
    bandTool_->Press(p, CheckWindowMode->isChecked());
}

void TMainForm::SelectOnPress(TWindowItem* hit, bool addToSelection) {
    arrangeReference_ = hit;
    volmar::ChangeNotifier::Batch batch(document_.Notices());
    if (!addToSelection)
        SetAllSelected(false);
    document_.SetSelected(hit, true);
}

void TMainForm::WindowEditorMouseMove(QMouseEvent* event) {
    const volmar::CanvasPoint p = Transform().ToCanvas(ScreenPointOf(event));
    invalidateRulers();
    setStatusText(1, Coordinate("X:", p.X));
    setStatusText(2, Coordinate("Y:", p.Y));
    if (!bandTool_->IsDragging())
        return;
    bandTool_->Move(p);
    rubberBand_->ShowBand(volmar::NormalizeRect(bandTool_->Band()));
    if (CheckWindowMode->isChecked())
        ShowCanvasHint(volmar::SizeHintText(bandTool_->Band()), event->globalPosition().toPoint());
}

void TMainForm::WindowEditorMouseUp(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    HideCanvasHint();
    if (bandTool_->IsDragging())
        FinishCanvasDrag(bandTool_->Release(Transform().ToCanvas(ScreenPointOf(event))));
}

// The drag ends before the name prompt opens, so that nothing arriving while
// the prompt is up can finish it a second time. The mode buttons are read now.
void TMainForm::FinishCanvasDrag(const volmar::CanvasRect& band) {
    rubberBand_->HideBand();
    if (CheckSelectMode->isChecked()) {
        arrangeReference_ = nullptr; // the front-most selected window stands in
        SelectInsideRect(band);
    }
    if (CheckWindowMode->isChecked())
        AddWindowDefinition(band);
}
