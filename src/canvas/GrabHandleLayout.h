#pragma once

#include <QtGlobal>
#include <qnamespace.h>

#include <array>

namespace volmar {

// Which edges a handle drag moves.
enum class GrabDragStep { TopLeft, Top, TopRight, Left, Right, BottomLeft, Bottom, BottomRight };

inline constexpr int kGrabHandleCount = 8;
inline constexpr qint32 kGrabHandleSide = 5;

// One handle square of a grab-handle frame, in frame coordinates.
struct GrabHandle {
    qint32 Width = kGrabHandleSide;
    qint32 Top = 0;
    qint32 Left = 0;
    qint32 Height = kGrabHandleSide;
    Qt::CursorShape Cursor = Qt::ArrowCursor;
    GrabDragStep Step = GrabDragStep::TopLeft;
};

using GrabHandles = std::array<GrabHandle, kGrabHandleCount>;

// The eight handles of a frame of the given logical size: corners and edge
// middles, index 0 top-left, then row by row. Middles sit at (size div 2) - 2,
// the quotient truncated toward zero.
GrabHandles LayOutGrabHandles(qint32 width, qint32 height);

// The handle whose sensitive pixels hold (x, y), or -1. Only the 4x4 pixels at
// offsets 1..4 of a square are sensitive; where squares overlap, the higher
// index wins.
int GrabHandleAt(const GrabHandles& handles, qint32 x, qint32 y);

// Whether a frame in multi-select mode marks this handle (the four corners).
bool IsCornerHandle(int index);

} // namespace volmar
