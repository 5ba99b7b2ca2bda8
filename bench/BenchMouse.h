#pragma once

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

namespace volmar::bench {

// A left-button press or release, or a move with the given buttons held,
// sent straight to the widget at a screen point.
inline void SendMouse(QWidget* target, QEvent::Type type, QPoint global, Qt::MouseButtons buttons) {
    const QPointF local = target->mapFromGlobal(QPointF(global));
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, local, QPointF(global), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

} // namespace volmar::bench
