#pragma once

#include "canvas/FrameBounds.h"

class TWindowItem;

namespace volmar {

// A frame is five pixels taller than its window: its bottom row of handles
// lies just below the window's bottom edge.
inline constexpr qint32 kFrameExtraHeight = 5;

// The frame bounds that stand for a window definition.
FrameBounds FrameBoundsForItem(const TWindowItem& item);

// Writes a frame's bounds back into its window definition.
void CopyFrameBoundsToItem(const FrameBounds& frame, TWindowItem& item);

} // namespace volmar
