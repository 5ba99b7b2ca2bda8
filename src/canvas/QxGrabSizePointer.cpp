#include "canvas/QxGrabSize.h"

#include "document/GridSnap.h"
#include "render/ViewTransform.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>

using volmar::Wrap32;

void TQxGrabSize::mousePressEvent(QMouseEvent* event) {
    Press(event);
}

void TQxGrabSize::Press(QMouseEvent* event) {
    QPointer<TQxGrabSize> alive(this);
    if (const TMouseEvent handler = OnMouseDown)
        handler(this, event);
    if (!alive || event->button() != Qt::LeftButton)
        return;
    FocusParent();
    if (drag_.doubleClickGuard) {
        drag_.doubleClickGuard = false;
        return;
    }
    // The owner may destroy this frame while it answers; then touch nothing.
    if (IsVetoedByOwner() || !alive)
        return;
    if (drag_.pressArmed)
        BeginResize();
    else
        BeginMove(CanvasFramePoint(event->position()));
}

bool TQxGrabSize::IsVetoedByOwner() {
    const TQxCheckUnderItem handler = OnCheckUnderItem;
    if (!handler)
        return false;
    bool hitUnderItem = false;
    handler(this, hitUnderItem);
    return hitUnderItem;
}

void TQxGrabSize::FocusParent() {
    if (QWidget* parent = parentWidget())
        parent->setFocus(Qt::MouseFocusReason);
}

void TQxGrabSize::BeginResize() {
    drag_.resizing = true;
    drag_.resizeOrigin = bounds_;
}

void TQxGrabSize::EndResize() {
    drag_.resizing = false;
    drag_.armedStep.reset();
    LayOutHandles();
}

void TQxGrabSize::BeginMove(QPoint framePoint) {
    drag_.moving = true;
    drag_.moveAnchor = framePoint;
}

void TQxGrabSize::mouseMoveEvent(QMouseEvent* event) {
    if (OnMouseMove)
        OnMouseMove(this, event);
    if (drag_.moving)
        StepMove(CanvasFramePoint(event->position()));
    else if (drag_.armedStep && drag_.resizing)
        StepResize(event);
    else
        HoverTest(event->globalPosition());
}

// The frame follows the pointer itself: the anchor stays, steps are not summed.
// The grid, then the owner's snapping, may correct where the corner lands.
void TQxGrabSize::StepMove(QPoint framePoint) {
    const qint64 dy = qint64(framePoint.y()) - drag_.moveAnchor.y();
    const qint64 dx = qint64(framePoint.x()) - drag_.moveAnchor.x();
    SetTop(Wrap32(Top() + dy));
    SetLeft(Wrap32(Left() + dx));
    const QPoint raw(Left(), Top());
    QPoint corner = raw;
    if (setup_.snapGrid)
        corner = QPoint(volmar::SnapToGrid(raw.x(), setup_.snapGridX),
                        volmar::SnapToGrid(raw.y(), setup_.snapGridY));
    if (OnMoveSnap)
        OnMoveSnap(this, raw, corner);
    SetTop(corner.y());
    SetLeft(corner.x());
    MoveListedFrames(dx + (qint64(Left()) - raw.x()), dy + (qint64(Top()) - raw.y()));
    if (OnMouseGrabMoveChangeEvent)
        OnMouseGrabMoveChangeEvent(this, QPoint(Left(), Top()));
}

// Every listed frame moves by the dragged frame's displacement after snapping,
// from the position the owner recorded in its scratch fields.
void TQxGrabSize::MoveListedFrames(qint64 dx, qint64 dy) {
    if (!OnMultiResize)
        return;
    TQxGrabSizeControlList list;
    OnMultiResize(this, list);
    for (TQxGrabSize* frame : list) {
        if (!frame)
            continue;
        frame->SetTop(Wrap32(frame->MultiResizerTempTop() + dy));
        frame->SetLeft(Wrap32(frame->MultiResizerTempLeft() + dx));
    }
}

void TQxGrabSize::StepResize(QMouseEvent* event) {
    QPoint p = ParentPoint(event->globalPosition());
    if (OnSizeSnap)
        OnSizeSnap(this, *drag_.armedStep, p);
    RunDragStep(*drag_.armedStep, p.x(), p.y());
    if (OnMouseGrabSizeChangeEvent)
        OnMouseGrabSizeChangeEvent(this, volmar::CanvasRect{0, 0, Width(), Height()});
}

void TQxGrabSize::HoverTest(QPointF globalPointer) {
    Disarm();
    Qt::CursorShape shape = Qt::ArrowCursor;
    if (setup_.drawMode == QxGGNormal) {
        const QPoint p = ScreenFramePoint(mapFromGlobal(globalPointer));
        const int index = volmar::GrabHandleAt(handles_, p.x(), p.y());
        drag_.overHandle = index >= 0;
        if (drag_.overHandle) {
            const volmar::GrabHandle& handle = handles_[static_cast<size_t>(index)];
            shape = handle.Cursor;
            drag_.armedStep = handle.Step;
            drag_.pressArmed = true;
            drag_.releaseArmed = true;
        }
    }
    if (cursor().shape() != shape)
        setCursor(shape);
}

void TQxGrabSize::Disarm() {
    drag_.pressArmed = false;
    drag_.releaseArmed = false;
    drag_.armedStep.reset();
}

// A release ends a move, and ends a handle drag whether or not the pointer is
// still over a handle, so that no later hover can resume a finished drag.
void TQxGrabSize::mouseReleaseEvent(QMouseEvent* event) {
    if (OnMouseUp)
        OnMouseUp(this, event);
    drag_.moving = false;
    if (drag_.releaseArmed || drag_.resizing)
        EndResize();
}

// Qt delivers the second press of a double-click as this event. It raises
// OnDblClick and then passes through the press, which the guard keeps from
// starting a move or a resize; the press after it is an ordinary one.
void TQxGrabSize::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        QPointer<TQxGrabSize> alive(this);
        if (const TNotifyEvent handler = OnDblClick)
            handler(this);
        if (!alive)
            return;
        drag_.doubleClickGuard = true;
    }
    Press(event);
}

void TQxGrabSize::contextMenuEvent(QContextMenuEvent* event) {
    if (!setup_.popupMenu) {
        event->ignore();
        return;
    }
    setup_.popupMenu->popup(event->globalPos());
    event->accept();
}

QPoint TQxGrabSize::ScreenFramePoint(QPointF local) const {
    return local.toPoint() + volmar::FrameOffset(screen_);
}

// At the first zoom this is ScreenFramePoint; zoomed, the pointer's canvas
// pixel is measured from the logical top-left.
QPoint TQxGrabSize::CanvasFramePoint(QPointF local) const {
    if (zoom_ == 1)
        return ScreenFramePoint(local);
    const volmar::CanvasPoint p = volmar::ViewTransform{zoom_}.ToCanvas(local.toPoint() + pos());
    return QPoint(Wrap32(qint64(p.X) - bounds_.Left), Wrap32(qint64(p.Y) - bounds_.Top));
}

QPoint TQxGrabSize::ParentPoint(QPointF globalPointer) const {
    const QPoint p = parentWidget() ? parentWidget()->mapFromGlobal(globalPointer).toPoint()
                                    : globalPointer.toPoint();
    const volmar::CanvasPoint canvas = volmar::ViewTransform{zoom_}.ToCanvas(p);
    return QPoint(canvas.X, canvas.Y);
}
