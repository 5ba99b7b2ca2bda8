#include "canvas/FrameOverlay.h"

#include "canvas/QxGrabSize.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace volmar {

namespace {

// Solid, opaque: the pixels are replaced, as a painter's fill would.
void Fill(QImage& image, const QRect& r, QRgb color) {
    const qsizetype stride = image.bytesPerLine();
    uchar* row = image.bits() + r.top() * stride;
    for (int y = r.top(); y <= r.bottom(); ++y, row += stride) {
        auto* line = reinterpret_cast<QRgb*>(row);
        std::fill(line + r.left(), line + r.right() + 1, color);
    }
}

} // namespace

FrameOverlay::FrameOverlay(QWidget* panel) : QWidget(panel) {
    setObjectName(QStringLiteral("FrameOverlay"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(panel->rect());
    panel->installEventFilter(this);
    raise();
    show();
}

// Qt merges update rectangles into a region; a rectangle inside the one
// already asked for adds nothing, so only a growing bounding rectangle goes
// to Qt. Painting starts the gathering anew: Qt paints everything marked
// dirty in one pass, so no asked-for area outlives a paint.
void FrameOverlay::Touch(const QRect& area) {
    if (area.isEmpty() || requested_.contains(area))
        return;
    const QRect grown = requested_ | area;
    update(grown);
    // Qt drops an update while the overlay is hidden or its updates are off.
    if (isVisible() && updatesEnabled())
        requested_ = grown;
}

bool FrameOverlay::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parent() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

void FrameOverlay::paintEvent(QPaintEvent* event) {
    requested_ = QRect();
    if (layer_.size() != size())
        layer_ = QImage(size(), QImage::Format_ARGB32_Premultiplied);
    const QRect area = event->rect() & rect();
    DrawFrames(area);
    QPainter painter(this);
    painter.drawImage(area, layer_, area);
}

void FrameOverlay::DrawFrames(const QRect& area) {
    Fill(layer_, area, 0);
    for (QObject* child : parent()->children()) {
        auto* frame = qobject_cast<TQxGrabSize*>(child);
        if (!frame || frame->Overlay() != this || frame->isHidden())
            continue;
        const QRect place = frame->geometry();
        if (!place.intersects(area))
            continue;
        const FramePicture picture = frame->Picture();
        for (int i = 0; i < picture.Count; ++i) {
            const QRect r =
                picture.Rects[static_cast<size_t>(i)].translated(place.topLeft()) & area;
            if (!r.isEmpty())
                Fill(layer_, r, picture.Color);
        }
    }
}

} // namespace volmar
