#pragma once

#include "document/DesignDocument.h"
#include "render/DisplayState.h"

#include <QFont>
#include <QImage>
#include <QRect>

namespace volmar {

// Sets one pixel in the grid colour at every (x, y) with x = 0, GridX, 2 GridX,
// ... below the image's width and y = 0, GridY, ... below its height,
// inside `clip` (the whole image when null). A spacing below 1 draws no grid.
void PaintGrid(QImage& canvas, const EditorDisplayState& state, const QRect& clip = QRect());

// Repaints the design canvas (or the part inside `clip`): the background
// colour, with the background picture (when not null) over it from the
// top-left corner at 1:1, then the grid dots when the grid is visible, then
// every window in document order, with or without names and contents areas
// as the state says.
void PaintCanvas(QImage& canvas, const EditorDisplayState& state, const QImage& skin,
                 const DesignDocument& document, const QFont& labelFont,
                 const QRect& clip = QRect(), const QImage& background = QImage());

} // namespace volmar
