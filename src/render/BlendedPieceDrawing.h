#pragma once

#include "render/PieceDrawing.h"
#include "render/PreparedSkin.h"
#include "render/Rgss2SkinPieces.h"

#include <QImage>

namespace volmar {

// Draws one piece of a skin with alpha over what the visible area already
// holds: each destination pixel takes the skin pixel that stretching or
// tiling maps it to, drawn onto the pixel below it by its alpha (alpha 0
// leaves it, alpha 255 replaces it). A destination of zero or negative width
// or height draws nothing.
void DrawBlendedPiece(const PreparedSkin& skin, const TiledPiece& piece, const WindowArea& area,
                      QImage& target);

} // namespace volmar
