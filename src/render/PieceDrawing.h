#pragma once

#include "render/PreparedSkin.h"
#include "render/Rect64.h"
#include "render/SkinPieces.h"

#include <QImage>

namespace volmar {

// Where a window lies on the target image: the canvas position of its
// top-left pixel, and the part of it that is drawn, in window coordinates.
// Visible always lies inside both the window and the target image.
struct WindowArea {
    qint64 OriginX = 0;
    qint64 OriginY = 0;
    Rect64 Visible;
};

// Draws one piece with the colour key: each destination pixel inside the
// visible area takes the skin pixel that nearest-neighbour scaling maps it to
// (destination -> piece image -> skin), unless that pixel has the key colour.
// A destination of zero or negative width or height draws nothing.
void DrawPiece(const PreparedSkin& skin, const PlacedPiece& piece, const WindowArea& area,
               QImage& target);

} // namespace volmar
