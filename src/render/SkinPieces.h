#pragma once

#include "render/Rect64.h"

#include <QRect>
#include <QSize>

#include <array>

namespace volmar {

// The skin image's layout: the background area and the frame area.
inline constexpr int kSkinWidth = 192;
inline constexpr int kSkinHeight = 128;
// The skin pixel whose colour is left undrawn in every piece.
inline constexpr int kSkinKeyX = 144;
inline constexpr int kSkinKeyY = 16;

// One of the nine pieces of a window, placed for a window of a given size.
// The source square or area of the skin is first copied (stretched where the
// sizes differ) into a piece image of PieceSize, which is then stretched over
// Destination, in window-image coordinates.
struct PlacedPiece {
    QRect Source;
    QSize PieceSize;
    Rect64 Destination;
};

// The nine pieces in drawing order: background, the four corners (top-left,
// top-right, bottom-left, bottom-right), the left and right edges, the top and
// bottom edges.
std::array<PlacedPiece, 9> PlaceSkinPieces(qint64 width, qint64 height);

} // namespace volmar
