#include "canvas/QxGrabSize.h"

#include "render/Colors.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr qint32 kOutlineInset = 2;

// Takes rectangles in logical frame coordinates, moves them into the widget's
// and cuts them to it; 64-bit, since logical bounds may lie far outside it.
class LogicalRects {
public:
    LogicalRects(volmar::FramePicture& picture, QPoint offset, QSize widget)
        : picture_(picture), offset_(offset), widget_(widget) {}

    void Add(qint64 left, qint64 top, qint64 width, qint64 height) {
        const qint64 x0 = std::max<qint64>(left - offset_.x(), 0);
        const qint64 y0 = std::max<qint64>(top - offset_.y(), 0);
        const qint64 x1 = std::min<qint64>(left - offset_.x() + width, widget_.width());
        const qint64 y1 = std::min<qint64>(top - offset_.y() + height, widget_.height());
        if (x1 > x0 && y1 > y0)
            picture_.Add(QRect(int(x0), int(y0), int(x1 - x0), int(y1 - y0)));
    }

private:
    volmar::FramePicture& picture_;
    QPoint offset_;
    QSize widget_;
};

// A one-pixel outline on columns 2 and W - 3 and rows 2 and H - 3.
void AddOutline(LogicalRects& rects, const volmar::FrameBounds& bounds) {
    const qint64 right = qint64(bounds.Width) - kOutlineInset - 1;
    const qint64 bottom = qint64(bounds.Height) - kOutlineInset - 1;
    if (right < kOutlineInset || bottom < kOutlineInset)
        return;
    const qint64 span = right - kOutlineInset + 1;
    const qint64 depth = bottom - kOutlineInset + 1;
    rects.Add(kOutlineInset, kOutlineInset, span, 1);
    rects.Add(kOutlineInset, bottom, span, 1);
    rects.Add(kOutlineInset, kOutlineInset, 1, depth);
    rects.Add(right, kOutlineInset, 1, depth);
}

// A frame of several selected shows its four corner squares only.
void AddHandles(LogicalRects& rects, const volmar::GrabHandles& handles, bool cornersOnly) {
    for (int i = 0; i < volmar::kGrabHandleCount; ++i) {
        if (cornersOnly && !volmar::IsCornerHandle(i))
            continue;
        const volmar::GrabHandle& h = handles[static_cast<size_t>(i)];
        rects.Add(h.Left, h.Top, h.Width, h.Height);
    }
}

} // namespace

volmar::FramePicture TQxGrabSize::Picture() const {
    const bool multi = setup_.drawMode == QxGGMultiSelect;
    volmar::FramePicture picture;
    picture.Color = volmar::RgbFromBgr(multi ? setup_.multiSelectColor : setup_.color);
    LogicalRects rects(picture, volmar::FrameOffset(screen_), size());
    AddOutline(rects, screen_);
    AddHandles(rects, handles_, multi);
    return picture;
}

void TQxGrabSize::paintEvent(QPaintEvent*) {
    if (overlay_)
        return;
    QPainter painter(this);
    const volmar::FramePicture picture = Picture();
    const QColor color = QColor::fromRgb(picture.Color);
    for (int i = 0; i < picture.Count; ++i)
        painter.fillRect(picture.Rects[static_cast<size_t>(i)], color);
}
