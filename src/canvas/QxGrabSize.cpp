#include "canvas/QxGrabSize.h"

#include "canvas/FrameAccessibility.h"
#include "canvas/FrameOverlay.h"

#include <QEvent>

TQxGrabSize::TQxGrabSize(QWidget* parent) : QWidget(parent) {
    volmar::InstallFrameAccessibility();
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    PlaceWidget();
    LayOutHandles();
}

TQxGrabSize::~TQxGrabSize() {
    if (overlay_ && !isHidden())
        overlay_->Touch(geometry());
}

void TQxGrabSize::Recycle() {
    setup_ = Setup{};
    drag_ = DragState{};
    unsetCursor();
    Repaint(geometry());
}

void TQxGrabSize::SetOverlay(volmar::FrameOverlay* overlay) {
    overlay_ = overlay;
    setAttribute(Qt::WA_DontShowOnScreen, overlay != nullptr);
    Repaint(geometry());
}

// The area in the parent's coordinates. A hidden frame shows nothing to
// repaint; showing it repaints it.
void TQxGrabSize::Repaint(const QRect& area) {
    if (!overlay_)
        update(area.translated(-pos()));
    else if (!isHidden())
        overlay_->Touch(area);
}

void TQxGrabSize::SetDrawMode(TQxGSGrabMode mode) {
    setup_.drawMode = mode;
    Repaint(geometry());
}

void TQxGrabSize::SetColor(quint32 bgr) {
    setup_.color = bgr;
    Repaint(geometry());
}

void TQxGrabSize::SetMultiSelectColor(quint32 bgr) {
    setup_.multiSelectColor = bgr;
    Repaint(geometry());
}

void TQxGrabSize::SetLeft(qint32 value) {
    volmar::FrameBounds next = bounds_;
    next.Left = value;
    ChangeBounds(next);
}

void TQxGrabSize::SetTop(qint32 value) {
    volmar::FrameBounds next = bounds_;
    next.Top = value;
    ChangeBounds(next);
}

void TQxGrabSize::SetWidth(qint32 value) {
    volmar::FrameBounds next = bounds_;
    next.Width = value;
    ChangeBounds(next);
}

void TQxGrabSize::SetHeight(qint32 value) {
    volmar::FrameBounds next = bounds_;
    next.Height = value;
    ChangeBounds(next);
}

void TQxGrabSize::SetBounds(qint32 left, qint32 top, qint32 width, qint32 height) {
    ChangeBounds(volmar::FrameBounds{left, top, width, height});
}

void TQxGrabSize::ChangeBounds(const volmar::FrameBounds& next) {
    if (next == bounds_)
        return;
    const bool resized = next.Width != bounds_.Width || next.Height != bounds_.Height;
    const QRect before = geometry();
    bounds_ = next;
    PlaceWidget();
    if (overlay_) {
        Repaint(before);
        Repaint(geometry());
    } else if (resized) {
        update();
    }
    if (OnResize)
        OnResize(this);
    LayOutHandles();
}

void TQxGrabSize::SetZoom(int factor) {
    if (factor == zoom_)
        return;
    const QRect before = geometry();
    zoom_ = factor;
    PlaceWidget();
    LayOutHandles();
    Repaint(before);
    Repaint(geometry());
    if (!overlay_)
        update();
}

void TQxGrabSize::PlaceWidget() {
    screen_ = volmar::ZoomedBounds(bounds_, zoom_);
    QWidget::setGeometry(volmar::VisibleRect(screen_));
}

void TQxGrabSize::LayOutHandles() {
    handles_ = volmar::LayOutGrabHandles(screen_.Width, screen_.Height);
}

// The type is read first: after a deferred delete, QWidget::event has
// destroyed the frame, and nothing of it may be read.
bool TQxGrabSize::event(QEvent* event) {
    const QEvent::Type type = event->type();
    const bool handled = QWidget::event(event);
    if ((type == QEvent::Show || type == QEvent::Hide) && overlay_)
        overlay_->Touch(geometry());
    if (type == QEvent::ParentChange && parentWidget()) {
        PlaceWidget();
        LayOutHandles();
    }
    return handled;
}
