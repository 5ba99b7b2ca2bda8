#include "render/SkinPieces.h"

namespace volmar {

namespace {

constexpr qint64 kCorner = 16;

PlacedPiece Background(qint64 w, qint64 h) {
    return {QRect(0, 0, 128, 128), QSize(128, 128), Rect64{2, 2, w - 2, h - 2}};
}

PlacedPiece Corner(int sourceX, int sourceY, qint64 left, qint64 top) {
    return {QRect(sourceX, sourceY, 16, 16), QSize(16, 16),
            Rect64{left, top, left + kCorner, top + kCorner}};
}

// Side edges take the square under the top corner, doubled in height.
PlacedPiece SideEdge(int sourceX, qint64 left, qint64 h) {
    return {QRect(sourceX, 16, 16, 16), QSize(16, 32),
            Rect64{left, kCorner, left + kCorner, h - kCorner}};
}

// Top and bottom edges take the square right of the left corner, doubled in width.
PlacedPiece TopBottomEdge(int sourceY, qint64 top, qint64 w) {
    return {QRect(144, sourceY, 16, 16), QSize(32, 16),
            Rect64{kCorner, top, w - kCorner, top + kCorner}};
}

} // namespace

std::array<PlacedPiece, 9> PlaceSkinPieces(qint64 w, qint64 h) {
    return {
        Background(w, h),
        Corner(128, 0, 0, 0),
        Corner(176, 0, w - kCorner, 0),
        Corner(128, 48, 0, h - kCorner),
        Corner(176, 48, w - kCorner, h - kCorner),
        SideEdge(128, 0, h),
        SideEdge(176, w - kCorner, h),
        TopBottomEdge(0, 0, w),
        TopBottomEdge(48, h - kCorner, w),
    };
}

} // namespace volmar
