#include "render/ZoomedCopy.h"

#include <algorithm>
#include <cstring>

namespace volmar {

namespace {

// One screen row from one canvas row; screen pixels beyond the canvas keep
// what they hold.
void ZoomRow(const QRgb* source, int sourceWidth, int factor, QRgb* target, int left, int right) {
    const int end = std::min(right, sourceWidth * factor - 1);
    for (int x = left; x <= end; ++x)
        target[x] = source[x / factor];
}

} // namespace

void CopyZoomed(const QImage& canvas, int factor, QImage& screen, const QRect& area) {
    const QRect target = area & screen.rect();
    const int lastRow = std::min(target.bottom(), canvas.height() * factor - 1);
    const QRgb* previous = nullptr;
    for (int y = target.top(); y <= lastRow; ++y) {
        const auto* source = reinterpret_cast<const QRgb*>(canvas.constScanLine(y / factor));
        auto* row = reinterpret_cast<QRgb*>(screen.scanLine(y));
        if (source == previous) {
            const auto* above = reinterpret_cast<const QRgb*>(screen.constScanLine(y - 1));
            std::memcpy(row + target.left(), above + target.left(),
                        sizeof(QRgb) * size_t(target.width()));
            continue;
        }
        ZoomRow(source, canvas.width(), factor, row, target.left(), target.right());
        previous = source;
    }
}

} // namespace volmar
