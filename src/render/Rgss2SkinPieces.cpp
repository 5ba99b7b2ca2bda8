#include "render/Rgss2SkinPieces.h"

namespace volmar {

namespace {

constexpr int kFrameX = 64;
constexpr qint64 kCorner = 16;

TiledPiece Corner(int sourceX, int sourceY, qint64 left, qint64 top) {
    return {QRect(sourceX, sourceY, 16, 16), Rect64{left, top, left + kCorner, top + kCorner}};
}

TiledPiece Side(int sourceX, qint64 left, qint64 h) {
    return {QRect(sourceX, 16, 16, 32), Rect64{left, kCorner, left + kCorner, h - kCorner}};
}

TiledPiece TopOrBottom(int sourceY, qint64 top, qint64 w) {
    return {QRect(kFrameX + 16, sourceY, 32, 16), Rect64{kCorner, top, w - kCorner, top + kCorner}};
}

} // namespace

std::array<TiledPiece, 10> PlaceRgss2SkinPieces(qint64 w, qint64 h) {
    const Rect64 inside{2, 2, w - 2, h - 2};
    return {
        TiledPiece{QRect(0, 0, 64, 64), inside, true},
        TiledPiece{QRect(0, 64, 64, 64), inside, false},
        Corner(kFrameX, 0, 0, 0),
        Corner(kFrameX + 48, 0, w - kCorner, 0),
        Corner(kFrameX, 48, 0, h - kCorner),
        Corner(kFrameX + 48, 48, w - kCorner, h - kCorner),
        Side(kFrameX, 0, h),
        Side(kFrameX + 48, w - kCorner, h),
        TopOrBottom(0, 0, w),
        TopOrBottom(48, h - kCorner, w),
    };
}

} // namespace volmar
