#include "app/ImageList.h"

#include <array>

namespace volmar {

// The pictures drawn from the SVG files at build time, one per size.
QIcon ImageFileIcon(const QString& name) {
    static constexpr std::array kSizes = {16, 24, 32, 48};
    QIcon icon;
    for (const int size : kSizes)
        icon.addFile(QStringLiteral(":/images/%1/%2.png").arg(size).arg(name), QSize(size, size));
    return icon;
}

} // namespace volmar
