#include "canvas/QxGrabSize.h"

#include "render/Colors.h"

#include <QPainter>

namespace {

constexpr qint32 kOutlineInset = 2;

} // namespace

void TQxGrabSize::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.translate(-volmar::FrameOffset(bounds_));
    const quint32 outline = drawMode_ == QxGGMultiSelect ? multiSelectColor_ : color_;
    PaintOutline(painter, volmar::ColorFromBgr(outline));
    PaintHandles(painter);
}

// A one-pixel outline on columns 2 and W - 3 and rows 2 and H - 3.
void TQxGrabSize::PaintOutline(QPainter& painter, const QColor& color) const {
    const qint64 right = qint64(bounds_.Width) - kOutlineInset - 1;
    const qint64 bottom = qint64(bounds_.Height) - kOutlineInset - 1;
    if (right < kOutlineInset || bottom < kOutlineInset)
        return;
    const int span = int(right - kOutlineInset + 1);
    const int depth = int(bottom - kOutlineInset + 1);
    painter.fillRect(kOutlineInset, kOutlineInset, span, 1, color);
    painter.fillRect(kOutlineInset, int(bottom), span, 1, color);
    painter.fillRect(kOutlineInset, kOutlineInset, 1, depth, color);
    painter.fillRect(int(right), kOutlineInset, 1, depth, color);
}

void TQxGrabSize::PaintHandles(QPainter& painter) const {
    const bool multi = drawMode_ == QxGGMultiSelect;
    const QColor fill = volmar::ColorFromBgr(multi ? multiSelectColor_ : color_);
    for (int i = 0; i < volmar::kGrabHandleCount; ++i) {
        if (multi && !volmar::IsCornerHandle(i))
            continue;
        const volmar::GrabHandle& h = handles_[static_cast<size_t>(i)];
        painter.fillRect(h.Left, h.Top, h.Width, h.Height, fill);
    }
}
