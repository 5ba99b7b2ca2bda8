#include "canvas/QxGrabSize.h"

#include <QEvent>

TQxGrabSize::TQxGrabSize(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    QWidget::setGeometry(volmar::VisibleRect(bounds_));
    LayOutHandles();
}

TQxGrabSize::~TQxGrabSize() = default;

void TQxGrabSize::SetDrawMode(TQxGSGrabMode mode) {
    drawMode_ = mode;
    update();
}

void TQxGrabSize::SetColor(quint32 bgr) {
    color_ = bgr;
    update();
}

void TQxGrabSize::SetMultiSelectColor(quint32 bgr) {
    multiSelectColor_ = bgr;
    update();
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
    bounds_ = next;
    QWidget::setGeometry(volmar::VisibleRect(bounds_));
    if (resized)
        update();
    if (OnResize)
        OnResize(this);
    LayOutHandles();
}

void TQxGrabSize::LayOutHandles() {
    handles_ = volmar::LayOutGrabHandles(bounds_.Width, bounds_.Height);
}

bool TQxGrabSize::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::ParentChange && parentWidget()) {
        QWidget::setGeometry(volmar::VisibleRect(bounds_));
        LayOutHandles();
    }
    return handled;
}
