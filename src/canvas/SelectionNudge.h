#pragma once

#include <QtGlobal>

#include <vector>

class TQxGrabSize;

namespace volmar {

// The keyboard nudges. Each goes over the frames from the newest to the
// oldest, takes those whose definition is selected, changes the definition
// and sets the frame's bounds from it. No snapping, clamping or minimum size.
// frames is oldest first, as the main window keeps them.

// Moves every selected window by (dx, dy).
void MoveSelectedFrames(const std::vector<TQxGrabSize*>& frames, qint32 dx, qint32 dy);

// Moves the right edge of every selected window by dw and its bottom edge by dh.
void ResizeSelectedFrames(const std::vector<TQxGrabSize*>& frames, qint32 dw, qint32 dh);

} // namespace volmar
