#include "canvas/QxGrabSize.h"

#include "render/Colors.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr qint32 kOutlineInset = 2;

} // namespace

void TQxGrabSize::paintEvent(QPaintEvent*) {
    if (overlay_)
        return;
    QPainter painter(this);
    const volmar::FramePicture picture = Picture();
    const QColor color = QColor::fromRgb(picture.Color);
    for (int i = 0; i < picture.Count; ++i)
        painter.fillRect(picture.Rects[static_cast<size_t>(i)], color);
}

volmar::FramePicture TQxGrabSize::Picture() const {
    volmar::FramePicture picture;
    picture.Color = volmar::RgbFromBgr(setup_.drawMode == QxGGMultiSelect ? setup_.multiSelectColor
                                                                          : setup_.color);
    AddOutline(picture);
    AddHandles(picture);
    return picture;
}

// A rectangle given in logical frame coordinates, moved into the widget's and
// cut to it; 64-bit, since logical bounds may lie far outside the widget.
void TQxGrabSize::AddLogicalRect(volmar::FramePicture& picture, qint64 left, qint64 top,
                                 qint64 width, qint64 height) const {
    const QPoint offset = volmar::FrameOffset(bounds_);
    const qint64 x0 = std::max<qint64>(left - offset.x(), 0);
    const qint64 y0 = std::max<qint64>(top - offset.y(), 0);
    const qint64 x1 = std::min<qint64>(left - offset.x() + width, QWidget::width());
    const qint64 y1 = std::min<qint64>(top - offset.y() + height, QWidget::height());
    if (x1 > x0 && y1 > y0)
        picture.Add(QRect(int(x0), int(y0), int(x1 - x0), int(y1 - y0)));
}

// A one-pixel outline on columns 2 and W - 3 and rows 2 and H - 3.
void TQxGrabSize::AddOutline(volmar::FramePicture& picture) const {
    const qint64 right = qint64(bounds_.Width) - kOutlineInset - 1;
    const qint64 bottom = qint64(bounds_.Height) - kOutlineInset - 1;
    if (right < kOutlineInset || bottom < kOutlineInset)
        return;
    const qint64 span = right - kOutlineInset + 1;
    const qint64 depth = bottom - kOutlineInset + 1;
    AddLogicalRect(picture, kOutlineInset, kOutlineInset, span, 1);
    AddLogicalRect(picture, kOutlineInset, bottom, span, 1);
    AddLogicalRect(picture, kOutlineInset, kOutlineInset, 1, depth);
    AddLogicalRect(picture, right, kOutlineInset, 1, depth);
}

// A frame of several selected shows its four corner squares only.
void TQxGrabSize::AddHandles(volmar::FramePicture& picture) const {
    const bool multi = setup_.drawMode == QxGGMultiSelect;
    for (int i = 0; i < volmar::kGrabHandleCount; ++i) {
        if (multi && !volmar::IsCornerHandle(i))
            continue;
        const volmar::GrabHandle& h = handles_[static_cast<size_t>(i)];
        AddLogicalRect(picture, h.Left, h.Top, h.Width, h.Height);
    }
}
