#pragma once

#include <QPoint>
#include <QRect>
#include <QtGlobal>

namespace volmar {

// The logical bounds of a grab-handle frame. Width and height may be zero or
// negative after a handle has been dragged past the opposite edge.
struct FrameBounds {
    qint32 Left = 0;
    qint32 Top = 0;
    qint32 Width = 0;
    qint32 Height = 0;

    friend bool operator==(const FrameBounds&, const FrameBounds&) = default;
};

// The rectangle a frame covers on its parent: the bounds with a negative width
// or height turned round, kept within the range a widget can hold.
QRect VisibleRect(const FrameBounds& b);

// Where the visible rectangle's top-left corner lies in frame coordinates
// (relative to the logical left/top): (0, 0) unless a size is negative.
QPoint FrameOffset(const FrameBounds& b);

// The bounds as the screen shows them at a zoom factor: every value times
// the factor, held within the 32-bit range.
FrameBounds ZoomedBounds(const FrameBounds& b, int factor);

// Two's-complement wrap of a widened result back to 32 bits.
inline qint32 Wrap32(qint64 v) {
    return static_cast<qint32>(v);
}

} // namespace volmar
