#include "settings/AppIcon.h"

#include <QPainter>
#include <QSvgRenderer>

// The icon lives in this layer's static library, whose resources are only
// registered when asked for.
static void InitSettingsResources() {
    Q_INIT_RESOURCE(settings);
}

namespace volmar {

QPixmap AppIconPixmap(int size) {
    InitSettingsResources();
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(QStringLiteral(":/settings/volmar.svg"));
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

} // namespace volmar
