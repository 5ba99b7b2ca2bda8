#pragma once

#include "render/Rect64.h"

#include <QRect>

#include <array>

namespace volmar {

// One piece of a window drawn from a 128x128 skin, placed for a window of a
// given size: the source area is stretched over Destination (window-image
// coordinates), or repeated over it from its top-left corner and cut at its
// right and bottom.
struct TiledPiece {
    QRect Source;
    Rect64 Destination;
    bool Stretched = false;
};

// The ten pieces in drawing order: the stretched background (0,0,64,64) and
// the pattern (0,64,64,64) tiled over it, both 2 pixels inside the window;
// the frame's four 16x16 corners (top-left, top-right, bottom-left,
// bottom-right); its left and right sides (16x32) and its top and bottom
// sides (32x16), tiled between the corners. The frame's middle, where the
// scroll arrows are, is not drawn.
std::array<TiledPiece, 10> PlaceRgss2SkinPieces(qint64 width, qint64 height);

} // namespace volmar
