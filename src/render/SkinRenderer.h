#pragma once

#include "document/DesignDocument.h"
#include "document/WindowItem.h"
#include "render/ContentsOverlay.h"

#include <QFont>
#include <QImage>
#include <QRect>

namespace volmar {

// What a window shows besides its frame: its name label, and the outline of
// its contents area (ContentsOverlay.h), `ContentsPadding` inside its edges
// (the target runtime's window padding).
struct WindowLook {
    bool Names = true;
    bool Contents = false;
    qint32 ContentsPadding = qint32(kContentsInset);
};

// Draws one window definition onto the canvas image from the skin image:
// a white window image of the definition's size receives the stretched
// background, the four corners, the four stretched edges (all with the colour
// key of skin pixel (144, 16)) and the name label at (10, 10); a skin drawn
// in the Rgss2 layout (SkinLayout.h) gives its stretched background, tiled
// pattern, corners and tiled sides by their alpha instead. The finished
// window then replaces the canvas pixels under it, cut to the canvas and to
// `clip` (the whole canvas when null). Only the part that reaches the canvas
// is composed, so the window's size costs nothing beyond what is visible.
// A window of zero or negative width or height draws nothing.
void DrawWindow(QImage& canvas, const QImage& skin, const TWindowItem& window,
                const QFont& labelFont, const QRect& clip = QRect(), WindowLook look = {});

// Draws every definition in document order, index 0 first, so that later
// windows cover earlier ones.
void DrawAllWindows(QImage& canvas, const QImage& skin, const DesignDocument& document,
                    const QFont& labelFont, const QRect& clip = QRect(), WindowLook look = {});

} // namespace volmar
