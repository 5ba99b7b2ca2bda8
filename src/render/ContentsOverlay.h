#pragma once

#include "render/Rect64.h"

#include <QImage>

namespace volmar {

// The contents bitmap the generated code gives a window lies this far inside
// each of its edges, and one line of text at the runtime's default font size
// takes this many pixels.
inline constexpr qint64 kContentsInset = 16;
inline constexpr qint64 kContentsLineHeight = 32;

// The contents area of a window of width by height, in the window's own
// coordinates: `padding` (the runtime's, kContentsInset unless told) inside
// each edge. Empty when the window is too small to hold one.
Rect64 ContentsArea(qint64 width, qint64 height, qint64 padding = kContentsInset);

// Marks the contents area of the window that covers `window` on the canvas:
// a dotted outline (every other pixel inverted, in a pattern fixed to the
// canvas) and a faint line (each pixel pulled half way to grey) every
// kContentsLineHeight pixels below its top, inside the outline. Only pixels
// inside `visible` (canvas coordinates, within the image) change. The area
// lies `padding` inside the window's edges.
void DrawContentsOverlay(QImage& canvas, const Rect64& window, const Rect64& visible,
                         qint64 padding = kContentsInset);

} // namespace volmar
