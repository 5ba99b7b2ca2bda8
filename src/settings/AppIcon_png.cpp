#include "settings/AppIcon.h"

#include <QImage>

#include <iterator>

namespace volmar {

// The picture drawn from the SVG file at build time whose size is the
// smallest not below the one asked for, scaled to it.
QPixmap AppIconPixmap(int size) {
    static constexpr int kSizes[] = {16, 24, 32, 48, 64, 128, 256};
    int drawn = kSizes[std::size(kSizes) - 1];
    for (const int candidate : kSizes) {
        if (candidate >= size) {
            drawn = candidate;
            break;
        }
    }
    const QImage image(QStringLiteral(":/settings/%1/volmar.png").arg(drawn));
    if (image.isNull() || drawn == size)
        return QPixmap::fromImage(image);
    return QPixmap::fromImage(
        image.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

} // namespace volmar
