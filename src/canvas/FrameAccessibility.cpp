#include "canvas/FrameAccessibility.h"

#include "canvas/QxGrabSize.h"

#include <QAccessibleWidget>

namespace volmar {

namespace {

QAccessibleInterface* FrameInterface(const QString& className, QObject* object) {
    if (className != QLatin1String(TQxGrabSize::staticMetaObject.className()))
        return nullptr;
    auto* frame = qobject_cast<TQxGrabSize*>(object);
    return frame ? new QAccessibleWidget(frame) : nullptr;
}

} // namespace

void InstallFrameAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(FrameInterface);
        return true;
    }();
    (void)installed;
}

} // namespace volmar
