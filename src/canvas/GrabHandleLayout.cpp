#include "canvas/GrabHandleLayout.h"

namespace volmar {

namespace {

struct HandlePlace {
    int column; // 0 left edge, 1 middle, 2 right edge
    int row;    // 0 top edge, 1 middle, 2 bottom edge
    Qt::CursorShape cursor;
    GrabDragStep step;
};

constexpr std::array<HandlePlace, kGrabHandleCount> kPlaces{{
    {0, 0, Qt::SizeFDiagCursor, GrabDragStep::TopLeft},
    {1, 0, Qt::SizeVerCursor, GrabDragStep::Top},
    {2, 0, Qt::SizeBDiagCursor, GrabDragStep::TopRight},
    {0, 1, Qt::SizeHorCursor, GrabDragStep::Left},
    {2, 1, Qt::SizeHorCursor, GrabDragStep::Right},
    {0, 2, Qt::SizeBDiagCursor, GrabDragStep::BottomLeft},
    {1, 2, Qt::SizeVerCursor, GrabDragStep::Bottom},
    {2, 2, Qt::SizeFDiagCursor, GrabDragStep::BottomRight},
}};

// Offset of a handle along one side of the given length.
qint32 Offset(int place, qint32 length) {
    const qint64 wide = length;
    switch (place) {
    case 0:
        return 0;
    case 1:
        return static_cast<qint32>(wide / 2 - 2);
    default:
        return static_cast<qint32>(wide - kGrabHandleSide);
    }
}

bool IsStrictlyInside(const GrabHandle& h, qint32 x, qint32 y) {
    const qint64 px = x;
    const qint64 py = y;
    return h.Left < px && px < qint64(h.Left) + kGrabHandleSide && h.Top < py &&
           py < qint64(h.Top) + kGrabHandleSide;
}

} // namespace

GrabHandles LayOutGrabHandles(qint32 width, qint32 height) {
    GrabHandles handles;
    for (int i = 0; i < kGrabHandleCount; ++i) {
        const HandlePlace& place = kPlaces[static_cast<size_t>(i)];
        GrabHandle& h = handles[static_cast<size_t>(i)];
        h.Left = Offset(place.column, width);
        h.Top = Offset(place.row, height);
        h.Cursor = place.cursor;
        h.Step = place.step;
    }
    return handles;
}

int GrabHandleAt(const GrabHandles& handles, qint32 x, qint32 y) {
    for (int i = kGrabHandleCount - 1; i >= 0; --i) {
        if (IsStrictlyInside(handles[static_cast<size_t>(i)], x, y))
            return i;
    }
    return -1;
}

bool IsCornerHandle(int index) {
    return index == 0 || index == 2 || index == 5 || index == 7;
}

} // namespace volmar
