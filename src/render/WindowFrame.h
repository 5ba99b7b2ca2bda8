#pragma once

#include "render/PieceDrawing.h"
#include "render/PreparedSkin.h"

#include <QImage>

namespace volmar {

// Composes the window of width by height without its label into the visible
// area: white first, then the nine pieces with the colour key, or for a skin
// of the Rgss2 layout its ten pieces drawn by their alpha.
void ComposeFrame(const PreparedSkin& skin, qint64 width, qint64 height, const WindowArea& area,
                  QImage& target);

// The whole frame of a window of this size, composed once and kept for the
// same skin contents and key colour; null when the window is too large to
// keep. The pointer stays valid until the next call.
const QImage* CachedFrame(const PreparedSkin& skin, qint64 width, qint64 height);

} // namespace volmar
