#include "canvas/FrameBinding.h"

#include "document/WindowItem.h"

namespace volmar {

// Sums are taken in 64 bits and wrapped, as the 32-bit edges would.
FrameBounds FrameBoundsForItem(const TWindowItem& item) {
    return FrameBounds{item.Left, item.Top, Wrap32(qint64(item.Right) - item.Left),
                       Wrap32(qint64(item.Bottom) - item.Top + kFrameExtraHeight)};
}

void CopyFrameBoundsToItem(const FrameBounds& frame, TWindowItem& item) {
    item.Left = frame.Left;
    item.Top = frame.Top;
    item.Right = Wrap32(qint64(frame.Left) + frame.Width);
    item.Bottom = Wrap32(qint64(frame.Top) + frame.Height - kFrameExtraHeight);
}

} // namespace volmar
