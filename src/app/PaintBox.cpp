#include "app/PaintBox.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace volmar {

namespace {

// Pointer events end here: a paint box never passes them to the panel below.
void Deliver(const std::function<void(QMouseEvent*)>& handler, QMouseEvent* event) {
    if (handler)
        handler(event);
    event->accept();
}

} // namespace

PaintBox::PaintBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

// Qt drops an update of a hidden box or one whose updates are off; only an
// update it keeps is remembered.
void PaintBox::Invalidate() {
    if (invalidated_)
        return;
    update();
    invalidated_ = isVisible() && updatesEnabled();
}

void PaintBox::paintEvent(QPaintEvent* event) {
    invalidated_ = false;
    if (buffer_.size() != size())
        buffer_ = QImage(size(), QImage::Format_RGB32);
    const QRect clip = event->rect() & rect();
    {
        QPainter background(&buffer_);
        background.fillRect(clip, palette().window());
    }
    if (OnPaint)
        OnPaint(buffer_, clip);
    QPainter screen(this);
    screen.drawImage(clip, buffer_, clip);
}

void PaintBox::mousePressEvent(QMouseEvent* event) {
    Deliver(OnMouseDown, event);
}

void PaintBox::mouseMoveEvent(QMouseEvent* event) {
    Deliver(OnMouseMove, event);
}

void PaintBox::mouseReleaseEvent(QMouseEvent* event) {
    Deliver(OnMouseUp, event);
}

void PaintBox::mouseDoubleClickEvent(QMouseEvent* event) {
    if (OnDblClick)
        Deliver(OnDblClick, event);
    else
        Deliver(OnMouseDown, event);
}

} // namespace volmar
