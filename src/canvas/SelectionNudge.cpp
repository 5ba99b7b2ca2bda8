#include "canvas/SelectionNudge.h"

#include "canvas/FrameBinding.h"
#include "canvas/QxGrabSize.h"
#include "document/WindowItem.h"

namespace volmar {

namespace {

qint32 Add32(qint32 v, qint32 d) {
    return Wrap32(qint64(v) + d);
}

template <typename Change>
void ForEachSelectedNewestFirst(const std::vector<TQxGrabSize*>& frames, Change change) {
    for (auto it = frames.rbegin(); it != frames.rend(); ++it) {
        TQxGrabSize* frame = *it;
        TWindowItem* item = frame ? frame->Tag() : nullptr;
        if (!item || !item->Selected)
            continue;
        change(*item);
        const FrameBounds b = FrameBoundsForItem(*item);
        frame->SetBounds(b.Left, b.Top, b.Width, b.Height);
    }
}

} // namespace

void MoveSelectedFrames(const std::vector<TQxGrabSize*>& frames, qint32 dx, qint32 dy) {
    ForEachSelectedNewestFirst(frames, [dx, dy](TWindowItem& item) {
        item.Left = Add32(item.Left, dx);
        item.Right = Add32(item.Right, dx);
        item.Top = Add32(item.Top, dy);
        item.Bottom = Add32(item.Bottom, dy);
    });
}

void ResizeSelectedFrames(const std::vector<TQxGrabSize*>& frames, qint32 dw, qint32 dh) {
    ForEachSelectedNewestFirst(frames, [dw, dh](TWindowItem& item) {
        item.Right = Add32(item.Right, dw);
        item.Bottom = Add32(item.Bottom, dh);
    });
}

} // namespace volmar
