#include "app/ScreenFit.h"

namespace volmar {

QRect FitOnScreen(QSize wanted, QMargins decoration, const QRect& available) {
    const QRect room = available.marginsRemoved(decoration);
    if (wanted.width() <= room.width() && wanted.height() <= room.height()) {
        QRect placed(QPoint(0, 0), wanted);
        placed.moveCenter(available.center());
        return placed;
    }
    const QSize size = wanted.boundedTo(room.size()).expandedTo(QSize(1, 1));
    QRect placed(QPoint(0, 0), size);
    placed.moveCenter(room.center());
    if (placed.left() < room.left())
        placed.moveLeft(room.left());
    if (placed.top() < room.top())
        placed.moveTop(room.top());
    return placed;
}

} // namespace volmar
