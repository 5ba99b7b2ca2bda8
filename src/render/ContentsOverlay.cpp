#include "render/ContentsOverlay.h"

#include <algorithm>

namespace volmar {

namespace {

QRgb Inverted(QRgb p) {
    return p ^ 0x00FFFFFFu;
}

// Each channel c becomes (2c + 255) / 4: dark and light alike move toward
// grey, so the line shows faintly on any window.
QRgb Faint(QRgb p) {
    const auto pull = [](int c) { return (2 * c + 255) / 4; };
    return qRgb(pull(qRed(p)), pull(qGreen(p)), pull(qBlue(p)));
}

template <typename Change>
void ChangeRow(QImage& canvas, qint64 y, qint64 from, qint64 to, const Rect64& visible, bool dotted,
               Change change) {
    if (y < visible.Top || y >= visible.Bottom)
        return;
    QRgb* row = reinterpret_cast<QRgb*>(canvas.scanLine(int(y)));
    for (qint64 x = std::max(from, visible.Left); x < std::min(to, visible.Right); ++x)
        if (!dotted || (x + y) % 2 == 0)
            row[x] = change(row[x]);
}

void DotColumn(QImage& canvas, qint64 x, qint64 from, qint64 to, const Rect64& visible) {
    if (x < visible.Left || x >= visible.Right)
        return;
    for (qint64 y = std::max(from, visible.Top); y < std::min(to, visible.Bottom); ++y)
        if ((x + y) % 2 == 0) {
            QRgb* row = reinterpret_cast<QRgb*>(canvas.scanLine(int(y)));
            row[x] = Inverted(row[x]);
        }
}

} // namespace

Rect64 ContentsArea(qint64 width, qint64 height, qint64 padding) {
    const Rect64 area{padding, padding, width - padding, height - padding};
    return area.IsEmpty() ? Rect64{} : area;
}

void DrawContentsOverlay(QImage& canvas, const Rect64& window, const Rect64& visible,
                         qint64 padding) {
    const Rect64 area =
        ContentsArea(window.Width(), window.Height(), padding).Translated(window.Left, window.Top);
    if (area.IsEmpty() || area.Intersected(visible).IsEmpty())
        return;
    for (qint64 y = area.Top + kContentsLineHeight; y < area.Bottom - 1; y += kContentsLineHeight)
        ChangeRow(canvas, y, area.Left + 1, area.Right - 1, visible, false, Faint);
    ChangeRow(canvas, area.Top, area.Left, area.Right, visible, true, Inverted);
    if (area.Bottom - 1 != area.Top)
        ChangeRow(canvas, area.Bottom - 1, area.Left, area.Right, visible, true, Inverted);
    DotColumn(canvas, area.Left, area.Top + 1, area.Bottom - 1, visible);
    if (area.Right - 1 != area.Left)
        DotColumn(canvas, area.Right - 1, area.Top + 1, area.Bottom - 1, visible);
}

} // namespace volmar
