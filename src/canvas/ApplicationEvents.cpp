#include "canvas/ApplicationEvents.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace volmar {

ApplicationEvents::ApplicationEvents(QObject* parent) : QObject(parent) {
    setObjectName(QStringLiteral("ApplicationEvents"));
    if (QCoreApplication* app = QCoreApplication::instance())
        app->installEventFilter(this);
}

// A key press reaches the window first and then its widgets; only the widgets
// are reported, so that one press is seen once by its receiver.
bool ApplicationEvents::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !OnShortCut)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget)
        return false;
    return OnShortCut(widget, static_cast<QKeyEvent*>(event));
}

} // namespace volmar
