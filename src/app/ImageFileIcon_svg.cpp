#include "app/ImageList.h"

// Resources of a static library are registered by name from outside any namespace.
static void RegisterImages() {
    Q_INIT_RESOURCE(images);
}

namespace volmar {

QIcon ImageFileIcon(const QString& name) {
    static const bool registered = (RegisterImages(), true);
    Q_UNUSED(registered);
    return QIcon(QStringLiteral(":/images/%1.svg").arg(name));
}

} // namespace volmar
