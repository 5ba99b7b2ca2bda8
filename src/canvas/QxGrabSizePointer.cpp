#include "canvas/QxGrabSize.h"

#include "document/GridSnap.h"

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
    if (doubleClickGuard_) {
        doubleClickGuard_ = false;
        return;
    }
    // The owner may destroy this frame while it answers; then touch nothing.
    if (IsVetoedByOwner() || !alive)
        return;
    if (pressArmed_)
        BeginResize();
    else
        BeginMove(FramePoint(event->position()));
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
    resizing_ = true;
    resizeOrigin_ = bounds_;
}

void TQxGrabSize::EndResize() {
    resizing_ = false;
    armedStep_.reset();
    LayOutHandles();
}

void TQxGrabSize::BeginMove(QPoint framePoint) {
    moving_ = true;
    moveAnchor_ = framePoint;
}

void TQxGrabSize::mouseMoveEvent(QMouseEvent* event) {
    if (OnMouseMove)
        OnMouseMove(this, event);
    if (moving_)
        StepMove(FramePoint(event->position()));
    else if (armedStep_ && resizing_)
        StepResize(event);
    else
        HoverTest(event->globalPosition());
}

// The frame follows the pointer itself: the anchor stays, steps are not summed.
void TQxGrabSize::StepMove(QPoint framePoint) {
    const qint64 dy = qint64(framePoint.y()) - moveAnchor_.y();
    const qint64 dx = qint64(framePoint.x()) - moveAnchor_.x();
    SetTop(Wrap32(Top() + dy));
    SetLeft(Wrap32(Left() + dx));
    const qint32 unsnappedTop = Top();
    const qint32 unsnappedLeft = Left();
    if (snapGrid_)
        SnapTopLeft();
    MoveListedFrames(dx + (qint64(Left()) - unsnappedLeft), dy + (qint64(Top()) - unsnappedTop));
    if (OnMouseGrabMoveChangeEvent)
        OnMouseGrabMoveChangeEvent(this, QPoint(Left(), Top()));
}

void TQxGrabSize::SnapTopLeft() {
    SetTop(volmar::SnapToGrid(Top(), snapGridY_));
    SetLeft(volmar::SnapToGrid(Left(), snapGridX_));
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
    const QPoint p = ParentPoint(event->globalPosition());
    RunDragStep(*armedStep_, p.x(), p.y());
    if (OnMouseGrabSizeChangeEvent)
        OnMouseGrabSizeChangeEvent(this, volmar::CanvasRect{0, 0, Width(), Height()});
}

void TQxGrabSize::HoverTest(QPointF globalPointer) {
    Disarm();
    Qt::CursorShape shape = Qt::ArrowCursor;
    if (drawMode_ == QxGGNormal) {
        const QPoint p = FramePoint(mapFromGlobal(globalPointer));
        const int index = volmar::GrabHandleAt(handles_, p.x(), p.y());
        overHandle_ = index >= 0;
        if (overHandle_) {
            const volmar::GrabHandle& handle = handles_[static_cast<size_t>(index)];
            shape = handle.Cursor;
            armedStep_ = handle.Step;
            pressArmed_ = true;
            releaseArmed_ = true;
        }
    }
    if (cursor().shape() != shape)
        setCursor(shape);
}

void TQxGrabSize::Disarm() {
    pressArmed_ = false;
    releaseArmed_ = false;
    armedStep_.reset();
}

// A release ends a move, and ends a handle drag whether or not the pointer is
// still over a handle, so that no later hover can resume a finished drag.
void TQxGrabSize::mouseReleaseEvent(QMouseEvent* event) {
    if (OnMouseUp)
        OnMouseUp(this, event);
    moving_ = false;
    if (releaseArmed_ || resizing_)
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
        doubleClickGuard_ = true;
    }
    Press(event);
}

void TQxGrabSize::contextMenuEvent(QContextMenuEvent* event) {
    if (!popupMenu_) {
        event->ignore();
        return;
    }
    popupMenu_->popup(event->globalPos());
    event->accept();
}

QPoint TQxGrabSize::FramePoint(QPointF local) const {
    return local.toPoint() + volmar::FrameOffset(bounds_);
}

QPoint TQxGrabSize::ParentPoint(QPointF globalPointer) const {
    if (const QWidget* parent = parentWidget())
        return parent->mapFromGlobal(globalPointer).toPoint();
    return globalPointer.toPoint();
}
