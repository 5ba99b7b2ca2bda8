#include "canvas/InputWatch.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace volmar {

namespace {

bool IsNudgeOrModifierKey(int key) {
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
        return true;
    default:
        return false;
    }
}

} // namespace

InputWatch::InputWatch(QObject* parent) : QObject(parent) {
    if (QCoreApplication* app = QCoreApplication::instance())
        app->installEventFilter(this);
}

// A key claimed by a shortcut arrives only as ShortcutOverride, so both kinds
// of key event are looked at; a pointer press is seen once per widget it is
// offered to, which does no harm.
bool InputWatch::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (OnOtherInput)
            OnOtherInput();
        break;
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
        if (!IsNudgeOrModifierKey(static_cast<QKeyEvent*>(event)->key()) && OnOtherInput)
            OnOtherInput();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace volmar
